#include "settings/settings_reader.h"

#include <algorithm>

#include "settings/settings_keys.h"
#include "settings/window_design.h"

namespace velmora {
namespace {

// LOGFONT holds 31 bytes of face name and a terminating zero.
constexpr std::size_t MaxFaceNameBytes = 31;

// Window values can be anything a file says; the sum wraps instead of
// overflowing, as 32-bit window arithmetic does.
std::int32_t WrappingAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

// Cut before a two-byte character that would not fit whole.
Text CutFaceName(std::string_view name) {
    return Text(LeadingChars(name, MaxFaceNameBytes));
}

class KeyReader {
  public:
    explicit KeyReader(const IniDocument& document) : document_(document) {}

    std::optional<std::string_view> Find(SettingKey key) const {
        const SettingKeyInfo& info = KeyInfo(key);
        return document_.Find(info.section, info.name);
    }

    std::int32_t Integer(SettingKey key, std::int32_t fallback) const {
        const auto value = Find(key);
        return value ? IntegerOr(*value, fallback) : fallback;
    }
    std::int32_t Integer(SettingKey key) const {
        return Integer(key, IntegerOr(KeyInfo(key).fixedDefault, 0));
    }
    // Every value is kept, named or not (see engine/modes.h).
    template <class Mode> Mode Enumerated(SettingKey key) const {
        return static_cast<Mode>(Integer(key));
    }
    bool Boolean(SettingKey key) const {
        const bool fallback = IntegerOr(KeyInfo(key).fixedDefault, 0) != 0;
        const auto value = Find(key);
        return value ? BooleanOr(*value, fallback) : fallback;
    }
    Text String(SettingKey key) const {
        const auto value = Find(key);
        return Text(value ? *value : KeyInfo(key).fixedDefault);
    }

    // A colour that does not convert takes the default and is kept as the
    // error to report once everything else has been read.
    Color Colour(SettingKey key, std::optional<ConversionError>& error) const {
        const Color fallback = ParseColor(KeyInfo(key).fixedDefault, 0);
        const auto value = Find(key);
        if (!value)
            return fallback;
        try {
            return ParseColor(*value, fallback);
        } catch (const ConversionError& e) {
            if (!error)
                error = e;
            return fallback;
        }
    }

  private:
    const IniDocument& document_;
};

SideSettings ReadSide(const KeyReader& keys, std::array<SettingKey, 6> names) {
    const auto [boxName, diffIndex, dateIndex, timeIndex, localeId, timeZone] = names;
    SideSettings side;
    side.boxName = keys.String(boxName);
    side.diffIndex = keys.Integer(diffIndex);
    side.dateIndex = keys.Integer(dateIndex);
    side.timeIndex = keys.Integer(timeIndex);
    side.localeId = keys.Integer(localeId);
    side.timeZone = keys.String(timeZone);
    return side;
}

FontSettings ReadFont(const KeyReader& keys, const WindowEnvironment& window, std::size_t index,
                      std::array<SettingKey, 4> names, std::optional<ConversionError>& error) {
    const auto [nameKey, sizeKey, styleKey, colorKey] = names;
    FontSettings font;
    // An empty name leaves the face the label already has.
    const Text name = keys.String(nameKey);
    font.faceName = name.empty() ? window.currentFaceNames[index] : CutFaceName(name);
    font.height = FontHeightFromSize(keys.Integer(sizeKey), window.pixelsPerInch);
    font.style = FontStyleFromInteger(keys.Integer(styleKey));
    font.color = keys.Colour(colorKey, error);
    return font;
}

} // namespace

std::int32_t DefaultSplit(std::int32_t clientWidth) {
    return (clientWidth - 2 * FrameInset - 2 * WindowPadding) / 2 + 1;
}

WindowPlacementValues ReadWindowPlacement(const IniDocument& document,
                                          const WindowEnvironment& window) {
    const KeyReader keys(document);
    WindowPlacementValues placement;
    placement.flags = keys.Integer(SettingKey::Flags, window.placement.flags);
    placement.showCmd = keys.Integer(SettingKey::ShowCmd, window.placement.showCmd);
    placement.maxX = keys.Integer(SettingKey::MaxX, window.placement.maxX);
    placement.maxY = keys.Integer(SettingKey::MaxY, window.placement.maxY);
    // Centred on the primary screen unless the file says otherwise; the far
    // edges keep the window's size from the near edges as read.
    placement.top = keys.Integer(SettingKey::Top, (window.screenHeight - window.windowHeight) / 2);
    placement.left = keys.Integer(SettingKey::Left, (window.screenWidth - window.windowWidth) / 2);
    placement.right =
        keys.Integer(SettingKey::Right, WrappingAdd(placement.left, window.windowWidth));
    placement.bottom =
        keys.Integer(SettingKey::Bottom, WrappingAdd(placement.top, window.windowHeight));
    return placement;
}

SettingsReadResult ReadSettingsDocument(const IniDocument& document,
                                        const WindowEnvironment& window) {
    const KeyReader keys(document);
    SettingsReadResult result;
    Settings& s = result.settings;

    s.placement = ReadWindowPlacement(document, window);
    s.windowState = static_cast<WindowShowState>(
        keys.Integer(SettingKey::State, static_cast<std::int32_t>(window.windowState)));
    s.split = keys.Integer(SettingKey::Split, DefaultSplit(window.clientWidth));

    using enum SettingKey;
    s.sides[0] =
        ReadSide(keys, {BoxName1, DiffIndex1, DateIndex1, TimeIndex1, LocaleId1, TimeZone1});
    s.sides[1] =
        ReadSide(keys, {BoxName2, DiffIndex2, DateIndex2, TimeIndex2, LocaleId2, TimeZone2});

    s.blinkMode = keys.Enumerated<BlinkPairing>(BlinkMode);
    s.swingBlink = keys.Boolean(SwingBlink);
    s.viewMode = keys.Boolean(ViewMode);
    s.viewRate = std::max(LeastViewRate, static_cast<std::uint8_t>(keys.Integer(ViewRate)));
    s.stayOnTop = keys.Boolean(StayOnTop);
    s.titleMode = keys.Enumerated<TitleSource>(TitleMode);
    s.titleString = keys.String(TitleString);
    s.showTitleBar = keys.Boolean(ShowTitleBar);
    s.showMenuBar = keys.Boolean(ShowMenuBar);
    s.showInTaskBar = keys.Boolean(ShowInTaskBar);
    s.saveStatus = keys.Boolean(SaveStatus);
    s.progressTime = keys.Enumerated<ProgressClock>(ProgressTime);
    s.progressColor = keys.Enumerated<ProgressColour>(ProgressColor);
    s.progressFrom = keys.String(ProgressFrom);
    s.progressTo = keys.String(ProgressTo);

    s.autoScale = keys.Boolean(AutoScale);
    s.sameFont = keys.Boolean(SameFont);
    s.fonts[0] = ReadFont(keys, window, 0, {Name1, Size1, Style1, Color1}, result.error);
    s.fonts[1] = ReadFont(keys, window, 1, {Name2, Size2, Style2, Color2}, result.error);
    return result;
}

Settings DefaultSettings(const WindowEnvironment& window) {
    return ReadSettingsDocument(IniDocument{}, window).settings;
}

} // namespace velmora
