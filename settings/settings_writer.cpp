#include "settings/settings_writer.h"

#include "settings/settings_keys.h"

namespace velmora {
namespace {

class KeyWriter {
  public:
    explicit KeyWriter(IniDocument& document) : document_(document) {}

    void String(SettingKey key, std::string_view value) {
        const SettingKeyInfo& info = KeyInfo(key);
        document_.Set(info.section, info.name, value);
    }
    void Integer(SettingKey key, std::int32_t value) { String(key, IntegerText(value)); }
    void Boolean(SettingKey key, bool value) { String(key, BooleanText(value)); }
    // The value as read, named or not.
    template <class Mode> void Enumerated(SettingKey key, Mode value) {
        Integer(key, static_cast<std::int32_t>(value));
    }
    void Remove(SettingKey key) {
        const SettingKeyInfo& info = KeyInfo(key);
        document_.Remove(info.section, info.name);
    }

  private:
    IniDocument& document_;
};

constexpr std::array<std::string_view, 5> OwnedSections{
    section::Position, section::Data, section::Option, section::Mode, section::Font};

void WriteSide(KeyWriter& keys, const SideSettings& side, std::array<SettingKey, 6> names) {
    keys.String(names[0], side.boxName);
    keys.Integer(names[1], side.diffIndex);
    keys.Integer(names[2], side.dateIndex);
    keys.Integer(names[3], side.timeIndex);
    keys.Integer(names[4], side.localeId);
    // The fixed offset writes no zone key, so such a file stays as it was
    // before zones existed; a key left in an earlier copy of the section
    // would otherwise be read back.
    if (side.timeZone.empty())
        keys.Remove(names[5]);
    else
        keys.String(names[5], side.timeZone);
}

void WriteFont(KeyWriter& keys, const FontSettings& font, std::int32_t pixelsPerInch,
               std::array<SettingKey, 4> names) {
    keys.String(names[0], font.faceName);
    keys.Integer(names[1], FontSizeFromHeight(font.height, pixelsPerInch));
    keys.Enumerated(names[2], font.style);
    keys.String(names[3], ColorText(font.color));
}

void WriteState(KeyWriter& keys, const Settings& s, std::int32_t pixelsPerInch) {
    using enum SettingKey;
    keys.Integer(Flags, s.placement.flags);
    keys.Integer(ShowCmd, s.placement.showCmd);
    keys.Integer(MaxX, s.placement.maxX);
    keys.Integer(MaxY, s.placement.maxY);
    keys.Integer(Left, s.placement.left);
    keys.Integer(Top, s.placement.top);
    keys.Integer(Right, s.placement.right);
    keys.Integer(Bottom, s.placement.bottom);
    keys.Integer(Split, s.split);
    keys.Enumerated(State, s.windowState);

    WriteSide(keys, s.sides[0],
              {BoxName1, DiffIndex1, DateIndex1, TimeIndex1, LocaleId1, TimeZone1});
    WriteSide(keys, s.sides[1],
              {BoxName2, DiffIndex2, DateIndex2, TimeIndex2, LocaleId2, TimeZone2});

    keys.Enumerated(BlinkMode, s.blinkMode);
    keys.Boolean(SwingBlink, s.swingBlink);
    keys.Boolean(ViewMode, s.viewMode);
    keys.Integer(ViewRate, s.viewRate);
    keys.Boolean(StayOnTop, s.stayOnTop);
    keys.Enumerated(TitleMode, s.titleMode);
    keys.String(TitleString, s.titleString);
    keys.Boolean(ShowTitleBar, s.showTitleBar);
    keys.Boolean(ShowMenuBar, s.showMenuBar);
    keys.Boolean(ShowInTaskBar, s.showInTaskBar);
    keys.Boolean(SaveStatus, s.saveStatus);
    keys.Enumerated(ProgressTime, s.progressTime);
    keys.Enumerated(ProgressColor, s.progressColor);
    keys.String(ProgressFrom, s.progressFrom);
    keys.String(ProgressTo, s.progressTo);

    keys.Boolean(AutoScale, s.autoScale);
    keys.Boolean(SameFont, s.sameFont);
    WriteFont(keys, s.fonts[0], pixelsPerInch, {Name1, Size1, Style1, Color1});
    WriteFont(keys, s.fonts[1], pixelsPerInch, {Name2, Size2, Style2, Color2});
}

} // namespace

PathParts SplitPath(std::string_view path) {
    std::size_t cut = 0;
    for (std::size_t pos = 0; pos < path.size(); pos = NextChar(path, pos)) {
        const char c = path[pos];
        if (c == '\\' || c == '/' || c == ':')
            cut = pos + 1;
    }
    return {Text(path.substr(0, cut)), Text(path.substr(cut))};
}

void WriteSettingsDocument(IniDocument& document, const Settings& settings,
                           const WriterEnvironment& environment) {
    KeyWriter keys(document);
    const PathParts executable = SplitPath(environment.executablePath);
    keys.String(SettingKey::ProgramName, executable.fileName);
    keys.String(SettingKey::ProgramPath, executable.directory);
    keys.String(SettingKey::Version, ProgramVersion);

    // Of a repeated section only the last is erased, so the state is written
    // into the one before it, where that section stood first.
    for (std::string_view name : OwnedSections)
        document.EraseSection(name);

    if (!settings.saveStatus) {
        // Nothing of the state may survive, or the next read would not give
        // the defaults: earlier copies of a repeated section go too.
        for (std::string_view name : OwnedSections)
            document.EraseAllSections(name);
        return;
    }
    WriteState(keys, settings, environment.pixelsPerInch);
}

} // namespace velmora
