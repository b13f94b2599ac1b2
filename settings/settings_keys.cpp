#include "settings/settings_keys.h"

#include <algorithm>
#include <array>
#include <type_traits>
#include <utility>

#include "engine/product.h"
#include "settings/settings_reader.h"
#include "settings/settings_writer.h"

namespace velmora {
namespace {

// ---- Where a key's field is in the record ------------------------------------

template <auto Member> struct Field {
    static auto& Of(auto& s) { return s.*Member; }
};
// A field of a member record, such as the placement's or the progress's.
template <auto Outer, auto Member> struct InnerField {
    static auto& Of(auto& s) { return (s.*Outer).*Member; }
};
template <std::size_t Side, auto Member> struct SideField {
    static auto& Of(auto& s) { return s.Sides[Side].*Member; }
};

// ---- Defaults that come from the window ---------------------------------------

// Window values can be anything a file says; the sum wraps instead of
// overflowing, as 32-bit window arithmetic does.
std::int32_t WrappingAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

using WindowDefault = std::int32_t (*)(const WindowEnvironment& window, const Settings& read);

std::int32_t FixedOnly(const WindowEnvironment&, const Settings&) {
    return 0;
}
template <auto Member> std::int32_t CurrentPlacement(const WindowEnvironment& w, const Settings&) {
    return w.placement.*Member;
}
// Centred on the primary screen unless the file says otherwise; the far
// edges keep the window's size from the near edges as read.
std::int32_t CentredLeft(const WindowEnvironment& w, const Settings&) {
    return (w.screenWidth - w.windowWidth) / 2;
}
std::int32_t CentredTop(const WindowEnvironment& w, const Settings&) {
    return (w.screenHeight - w.windowHeight) / 2;
}
std::int32_t RightOfLeft(const WindowEnvironment& w, const Settings& read) {
    return WrappingAdd(read.Placement.left, w.windowWidth);
}
std::int32_t BelowTop(const WindowEnvironment& w, const Settings& read) {
    return WrappingAdd(read.Placement.top, w.windowHeight);
}
std::int32_t HalfTheClient(const WindowEnvironment& w, const Settings&) {
    return DefaultSplit(w.clientWidth);
}
std::int32_t CurrentState(const WindowEnvironment& w, const Settings&) {
    return static_cast<std::int32_t>(w.windowState);
}

// ---- How a key's text becomes its field and back -------------------------------

using Found = std::optional<std::string_view>;

// A whole number, or a mode kept as any 32-bit value a file gives (see
// engine/modes.h). The default is the fixed one, or the window's where the
// row has no fixed default.
template <class F, WindowDefault Default = FixedOnly> struct Integer {
    using Value = std::remove_cvref_t<decltype(F::Of(std::declval<Settings&>()))>;
    static void Read(Settings& s, Found text, std::string_view fixed, const KeyReading& r) {
        const std::int32_t fallback = fixed.empty() ? Default(r.window, s) : IntegerOr(fixed, 0);
        F::Of(s) = static_cast<Value>(text ? IntegerOr(*text, fallback) : fallback);
    }
    static std::optional<Text> Write(const Settings& s, const WriterEnvironment&) {
        return IntegerText(static_cast<std::int32_t>(F::Of(s)));
    }
};

// One of a few named values; any other number gives the default, as a
// setting newer than the file's writer would.
template <class F, auto Last> struct Choice {
    using Value = std::remove_cvref_t<decltype(F::Of(std::declval<Settings&>()))>;
    static void Read(Settings& s, Found text, std::string_view fixed, const KeyReading&) {
        const std::int32_t fallback = IntegerOr(fixed, 0);
        const std::int32_t value = text ? IntegerOr(*text, fallback) : fallback;
        const bool named = value >= 0 && value <= static_cast<std::int32_t>(Last);
        F::Of(s) = static_cast<Value>(named ? value : fallback);
    }
    static std::optional<Text> Write(const Settings& s, const WriterEnvironment&) {
        return IntegerText(static_cast<std::int32_t>(F::Of(s)));
    }
};

template <class F> struct Boolean {
    static void Read(Settings& s, Found text, std::string_view fixed, const KeyReading&) {
        const bool fallback = IntegerOr(fixed, 0) != 0;
        F::Of(s) = text ? BooleanOr(*text, fallback) : fallback;
    }
    static std::optional<Text> Write(const Settings& s, const WriterEnvironment&) {
        return BooleanText(F::Of(s));
    }
};

template <class F> struct String {
    static void Read(Settings& s, Found text, std::string_view fixed, const KeyReading&) {
        F::Of(s) = Text(text ? *text : fixed);
    }
    static std::optional<Text> Write(const Settings& s, const WriterEnvironment&) {
        return F::Of(s);
    }
};

// The fixed offset writes no zone key, so such a file stays as it was before
// zones existed; a key left in an earlier copy of the section would otherwise
// be read back.
template <class F> struct Zone : String<F> {
    static std::optional<Text> Write(const Settings& s, const WriterEnvironment&) {
        const Text& zone = F::Of(s);
        return zone.empty() ? std::nullopt : std::optional<Text>(zone);
    }
};

// The window's alpha value, never fainter than the dialog's slider goes.
struct ViewRate {
    static void Read(Settings& s, Found text, std::string_view fixed, const KeyReading&) {
        const std::int32_t fallback = IntegerOr(fixed, 0);
        const auto rate = static_cast<std::uint8_t>(text ? IntegerOr(*text, fallback) : fallback);
        s.ViewRate = std::max(LeastViewRate, rate);
    }
    static std::optional<Text> Write(const Settings& s, const WriterEnvironment&) {
        return IntegerText(s.ViewRate);
    }
};

// LOGFONT holds 31 bytes of face name and a terminating zero; a name is cut
// before a two-byte character that would not fit whole. An empty name leaves
// the face the label already has.
constexpr std::size_t MaxFaceNameBytes = 31;

template <std::size_t Side> struct FaceName {
    static void Read(Settings& s, Found text, std::string_view fixed, const KeyReading& r) {
        const std::string_view name = text ? *text : fixed;
        s.Fonts[Side].faceName = name.empty() ? r.window.currentFaceNames[Side]
                                              : Text(LeadingChars(name, MaxFaceNameBytes));
    }
    static std::optional<Text> Write(const Settings& s, const WriterEnvironment&) {
        return s.Fonts[Side].faceName;
    }
};

// Points in the file, pixels in the record, at the screen's resolution.
template <std::size_t Side> struct FontSize {
    static void Read(Settings& s, Found text, std::string_view fixed, const KeyReading& r) {
        const std::int32_t fallback = IntegerOr(fixed, 0);
        const std::int32_t size = text ? IntegerOr(*text, fallback) : fallback;
        s.Fonts[Side].height = FontHeightFromSize(size, r.window.pixelsPerInch);
    }
    static std::optional<Text> Write(const Settings& s, const WriterEnvironment& e) {
        return IntegerText(FontSizeFromHeight(s.Fonts[Side].height, e.pixelsPerInch));
    }
};

template <std::size_t Side> struct FontStyleBits {
    static void Read(Settings& s, Found text, std::string_view fixed, const KeyReading&) {
        const std::int32_t fallback = IntegerOr(fixed, 0);
        s.Fonts[Side].style = FontStyleFromInteger(text ? IntegerOr(*text, fallback) : fallback);
    }
    static std::optional<Text> Write(const Settings& s, const WriterEnvironment&) {
        return IntegerText(static_cast<std::int32_t>(s.Fonts[Side].style));
    }
};

// A colour that does not convert takes the default and is kept as the error
// to report once everything else has been read.
template <std::size_t Side> struct Colour {
    static void Read(Settings& s, Found text, std::string_view fixed, const KeyReading& r) {
        const Color fallback = ParseColor(fixed, 0);
        s.Fonts[Side].color = fallback;
        if (!text)
            return;
        try {
            s.Fonts[Side].color = ParseColor(*text, fallback);
        } catch (const ConversionError& e) {
            if (!r.error)
                r.error = e;
        }
    }
    static std::optional<Text> Write(const Settings& s, const WriterEnvironment&) {
        return ColorText(s.Fonts[Side].color);
    }
};

// "PROGRAM" tells where the file was written from; it is never read.
struct ProgramName {
    static std::optional<Text> Write(const Settings&, const WriterEnvironment& e) {
        return SplitPath(e.executablePath).fileName;
    }
};
struct ProgramPath {
    static std::optional<Text> Write(const Settings&, const WriterEnvironment& e) {
        return SplitPath(e.executablePath).directory;
    }
};
struct ProgramVersion {
    static std::optional<Text> Write(const Settings&, const WriterEnvironment&) {
        return Text(VersionText);
    }
};

// A field of a reminder slot, the slot given at run time: one codec serves
// all twenty. Written only while the slot holds a reminder, so that a file
// lists the reminders it has and no empty ones.
template <auto Member> struct ReminderValue {
    using Value = std::remove_cvref_t<decltype(std::declval<ReminderSettings&>().*Member)>;
    static Value& Of(Settings& s, std::size_t slot) { return s.Reminders[slot].*Member; }
    static const Value& Of(const Settings& s, std::size_t slot) {
        return s.Reminders[slot].*Member;
    }
    static void Read(Settings& s, Found found, std::string_view fixed, const KeyReading& r) {
        const std::string_view text = found ? *found : fixed;
        if constexpr (std::is_same_v<Value, Text>)
            Of(s, r.slot) = Text(text);
        else if constexpr (std::is_same_v<Value, bool>)
            Of(s, r.slot) = BooleanOr(text, IntegerOr(fixed, 0) != 0);
        else // numbers and modes keep any value, for the reminders' reader to judge
            Of(s, r.slot) = static_cast<Value>(IntegerOr(text, IntegerOr(fixed, 0)));
    }
    static std::optional<Text> Write(const Settings& s, const WriterEnvironment& e) {
        if (s.Reminders[e.slot].Time.empty())
            return std::nullopt;
        const Value& value = Of(s, e.slot);
        if constexpr (std::is_same_v<Value, Text>)
            return value;
        else if constexpr (std::is_same_v<Value, bool>)
            return BooleanText(value);
        else
            return IntegerText(static_cast<std::int32_t>(value));
    }
};

// "On1" ... "Fired20": a stem and the slot's number from 1.
template <const char* Stem, std::size_t Number> struct NumberedName {
    static constexpr auto text = [] {
        std::array<char, 16> t{};
        std::size_t i = 0;
        for (const char* c = Stem; *c; ++c)
            t[i++] = *c;
        if (Number >= 10)
            t[i++] = static_cast<char>('0' + Number / 10);
        t[i++] = static_cast<char>('0' + Number % 10);
        return t;
    }();
    static constexpr std::string_view name{text.data()};
};

template <class Codec> constexpr SettingField Bind() {
    return {&Codec::Read, &Codec::Write};
}
template <class Codec> constexpr SettingField WriteOnly() {
    return {nullptr, &Codec::Write};
}

// ---- The table -----------------------------------------------------------------

using namespace section;
using S = Settings;
using P = WindowPlacementValues;
using Side = SideSettings;

using D = DisplayOptions;
using Pr = ProgressSettings;

template <auto Member, WindowDefault Default>
using Placed = Integer<InnerField<&S::Placement, Member>, Default>;
template <auto Member> using Top = Field<Member>;
template <auto Member> using Shown = InnerField<&S::Display, Member>;
template <auto Member> using Bar = InnerField<&S::Progress, Member>;
template <auto Member> using Told = InnerField<&S::Reminding, Member>;

constexpr auto Table = std::to_array<SettingKeyInfo>({
    {Program, "Name", "", WriteOnly<ProgramName>()},
    {Program, "Path", "", WriteOnly<ProgramPath>()},
    {Program, "Version", "", WriteOnly<ProgramVersion>()},
    {Position, "Flags", "", Bind<Placed<&P::flags, CurrentPlacement<&P::flags>>>()},
    {Position, "ShowCmd", "", Bind<Placed<&P::showCmd, CurrentPlacement<&P::showCmd>>>()},
    {Position, "MaxX", "", Bind<Placed<&P::maxX, CurrentPlacement<&P::maxX>>>()},
    {Position, "MaxY", "", Bind<Placed<&P::maxY, CurrentPlacement<&P::maxY>>>()},
    {Position, "Left", "", Bind<Placed<&P::left, CentredLeft>>()},
    {Position, "Top", "", Bind<Placed<&P::top, CentredTop>>()},
    {Position, "Right", "", Bind<Placed<&P::right, RightOfLeft>>()},
    {Position, "Bottom", "", Bind<Placed<&P::bottom, BelowTop>>()},
    {Position, "Split", "", Bind<Integer<Top<&S::Split>, HalfTheClient>>()},
    {Position, "State", "", Bind<Integer<Top<&S::WindowState>, CurrentState>>()},
    {Data, "BoxName1", "昭和基地", Bind<String<SideField<0, &Side::BoxName>>>()},
    {Data, "DiffIndex1", "59", Bind<Integer<SideField<0, &Side::DiffIndex>>>()},
    {Data, "DateIndex1", "0", Bind<Integer<SideField<0, &Side::DateIndex>>>()},
    {Data, "TimeIndex1", "0", Bind<Integer<SideField<0, &Side::TimeIndex>>>()},
    {Data, "LocaleID1", "1041", Bind<Integer<SideField<0, &Side::LocaleID>>>()},
    {Data, "TimeZone1", "", Bind<Zone<SideField<0, &Side::TimeZone>>>()},
    {Data, "BoxName2", "ヒューストン", Bind<String<SideField<1, &Side::BoxName>>>()},
    {Data, "DiffIndex2", "77", Bind<Integer<SideField<1, &Side::DiffIndex>>>()},
    {Data, "DateIndex2", "0", Bind<Integer<SideField<1, &Side::DateIndex>>>()},
    {Data, "TimeIndex2", "0", Bind<Integer<SideField<1, &Side::TimeIndex>>>()},
    {Data, "LocaleID2", "1041", Bind<Integer<SideField<1, &Side::LocaleID>>>()},
    {Data, "TimeZone2", "", Bind<Zone<SideField<1, &Side::TimeZone>>>()},
    {Mode, "BlinkMode", "0", Bind<Integer<Shown<&D::BlinkMode>>>()},
    {Mode, "SwingBlink", "0", Bind<Boolean<Shown<&D::SwingBlink>>>()},
    {Mode, "ViewMode", "0", Bind<Boolean<Top<&S::ViewMode>>>()},
    {Mode, "ViewRate", "255", Bind<ViewRate>()},
    {Mode, "StayOnTop", "0", Bind<Boolean<Top<&S::StayOnTop>>>()},
    {Mode, "TitleMode", "1", Bind<Integer<Top<&S::TitleMode>>>()},
    {Mode, "TitleString", "走れブリッツェン", Bind<String<Top<&S::TitleString>>>()},
    {Mode, "ShowTitleBar", "1", Bind<Boolean<Top<&S::ShowTitleBar>>>()},
    {Mode, "ShowMenuBar", "1", Bind<Boolean<Top<&S::ShowMenuBar>>>()},
    {Mode, "ShowInTaskBar", "1", Bind<Boolean<Top<&S::ShowInTaskBar>>>()},
    {Mode, "SaveStatus", "1", Bind<Boolean<Top<&S::SaveStatus>>>()},
    {Mode, "ProgressTime", "0", Bind<Integer<Bar<&Pr::ProgressTime>>>()},
    {Mode, "ProgressColor", "0", Bind<Integer<Bar<&Pr::ProgressColor>>>()},
    {Mode, "ProgressFrom", "09:00", Bind<String<Bar<&Pr::ProgressFrom>>>()},
    {Mode, "ProgressTo", "17:00", Bind<String<Bar<&Pr::ProgressTo>>>()},
    {Font, "AutoScale", "0", Bind<Boolean<Top<&S::AutoScale>>>()},
    {Font, "SameFont", "1", Bind<Boolean<Top<&S::SameFont>>>()},
    {Font, "Name1", "ＭＳ ゴシック", Bind<FaceName<0>>()},
    {Font, "Size1", "14", Bind<FontSize<0>>()},
    {Font, "Style1", "0", Bind<FontStyleBits<0>>()},
    {Font, "Color1", "clBlack", Bind<Colour<0>>()},
    {Font, "Name2", "ＭＳ ゴシック", Bind<FaceName<1>>()},
    {Font, "Size2", "14", Bind<FontSize<1>>()},
    {Font, "Style2", "0", Bind<FontStyleBits<1>>()},
    {Font, "Color2", "clBlack", Bind<Colour<1>>()},
    {Desktop, "Theme", "0", Bind<Choice<Top<&S::Theme>, LastThemeChoice>>()},
    {Desktop, "ClickThrough", "0", Bind<Boolean<Top<&S::ClickThrough>>>()},
    {Desktop, "HoverOpaque", "0", Bind<Boolean<Top<&S::HoverOpaque>>>()},
    {Desktop, "HideInFullScreen", "0", Bind<Boolean<Top<&S::HideInFullScreen>>>()},
    {Reminder, "WorkEnd", "0", Bind<Boolean<Told<&ReminderOptions::WorkEnd>>>()},
    {Reminder, "Chime", "0", Bind<Choice<Told<&ReminderOptions::Chime>, ChimeMode::HalfHourly>>()},
    {Reminder, "ChimeClock", "0",
     Bind<Choice<Told<&ReminderOptions::ChimeClock>, ReminderClock::Right>>()},
    {Reminder, "QuietFrom", "22:00", Bind<String<Told<&ReminderOptions::QuietFrom>>>()},
    {Reminder, "QuietTo", "07:00", Bind<String<Told<&ReminderOptions::QuietTo>>>()},
});

// ---- The reminders' keys, slot by slot -------------------------------------------

constexpr char OnStem[] = "On";
constexpr char ClockStem[] = "Clock";
constexpr char TimeStem[] = "Time";
constexpr char DaysStem[] = "Days";
constexpr char DateStem[] = "Date";
constexpr char MessageStem[] = "Message";
constexpr char SoundStem[] = "Sound";
constexpr char SoundFileStem[] = "SoundFile";
constexpr char FiredStem[] = "Fired";

using R = ReminderSettings;

template <std::size_t I> constexpr std::array<SettingKeyInfo, 9> ReminderKeys() {
    constexpr std::size_t N = I + 1;
    return {{
        {Reminder, NumberedName<OnStem, N>::name, "0", Bind<ReminderValue<&R::On>>(), I},
        {Reminder, NumberedName<ClockStem, N>::name, "0", Bind<ReminderValue<&R::Clock>>(), I},
        {Reminder, NumberedName<TimeStem, N>::name, "", Bind<ReminderValue<&R::Time>>(), I},
        {Reminder, NumberedName<DaysStem, N>::name, "127", Bind<ReminderValue<&R::Days>>(), I},
        {Reminder, NumberedName<DateStem, N>::name, "", Bind<ReminderValue<&R::Date>>(), I},
        {Reminder, NumberedName<MessageStem, N>::name, "", Bind<ReminderValue<&R::Message>>(), I},
        {Reminder, NumberedName<SoundStem, N>::name, "1", Bind<ReminderValue<&R::Sound>>(), I},
        {Reminder, NumberedName<SoundFileStem, N>::name, "", Bind<ReminderValue<&R::SoundFile>>(),
         I},
        {Reminder, NumberedName<FiredStem, N>::name, "", Bind<ReminderValue<&R::Fired>>(), I},
    }};
}

template <std::size_t... Sizes>
constexpr auto Joined(const std::array<SettingKeyInfo, Sizes>&... parts) {
    std::array<SettingKeyInfo, (Sizes + ...)> all{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), all.begin() + at), at += Sizes), ...);
    return all;
}

template <std::size_t... Slots> constexpr auto AllReminderKeys(std::index_sequence<Slots...>) {
    return Joined(ReminderKeys<Slots>()...);
}

constexpr auto AllKeys = Joined(Table, AllReminderKeys(std::make_index_sequence<MaxReminders>()));

// A section's keys follow one another, so that writing the keys in this
// order writes each section in one piece.
constexpr bool SectionsUnbroken() {
    for (std::size_t i = 1; i < AllKeys.size(); ++i) {
        if (AllKeys[i].section == AllKeys[i - 1].section)
            continue;
        for (std::size_t j = 0; j < i; ++j) {
            if (AllKeys[j].section == AllKeys[i].section)
                return false;
        }
    }
    return true;
}
static_assert(SectionsUnbroken());

} // namespace

std::span<const SettingKeyInfo> SettingKeys() {
    return AllKeys;
}

} // namespace velmora
