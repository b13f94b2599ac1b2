#include "settings/settings_keys.h"

namespace velmora {
namespace {

using namespace section;
using enum SettingKey;

constexpr std::array<SettingKeyInfo, static_cast<std::size_t>(SettingKey::Count)> Table{{
    {ProgramName, Program, "Name", ""},
    {ProgramPath, Program, "Path", ""},
    {Version, Program, "Version", ""},
    {Flags, Position, "Flags", ""},
    {ShowCmd, Position, "ShowCmd", ""},
    {MaxX, Position, "MaxX", ""},
    {MaxY, Position, "MaxY", ""},
    {Left, Position, "Left", ""},
    {Top, Position, "Top", ""},
    {Right, Position, "Right", ""},
    {Bottom, Position, "Bottom", ""},
    {Split, Position, "Split", ""},
    {State, Position, "State", ""},
    {BoxName1, Data, "BoxName1", "昭和基地"},
    {DiffIndex1, Data, "DiffIndex1", "59"},
    {DateIndex1, Data, "DateIndex1", "0"},
    {TimeIndex1, Data, "TimeIndex1", "0"},
    {LocaleId1, Data, "LocaleID1", "1041"},
    {TimeZone1, Data, "TimeZone1", ""},
    {BoxName2, Data, "BoxName2", "ヒューストン"},
    {DiffIndex2, Data, "DiffIndex2", "77"},
    {DateIndex2, Data, "DateIndex2", "0"},
    {TimeIndex2, Data, "TimeIndex2", "0"},
    {LocaleId2, Data, "LocaleID2", "1041"},
    {TimeZone2, Data, "TimeZone2", ""},
    {BlinkMode, Mode, "BlinkMode", "0"},
    {SwingBlink, Mode, "SwingBlink", "0"},
    {ViewMode, Mode, "ViewMode", "0"},
    {ViewRate, Mode, "ViewRate", "255"},
    {StayOnTop, Mode, "StayOnTop", "0"},
    {TitleMode, Mode, "TitleMode", "1"},
    {TitleString, Mode, "TitleString", "走れブリッツェン"},
    {ShowTitleBar, Mode, "ShowTitleBar", "1"},
    {ShowMenuBar, Mode, "ShowMenuBar", "1"},
    {ShowInTaskBar, Mode, "ShowInTaskBar", "1"},
    {SaveStatus, Mode, "SaveStatus", "1"},
    {ProgressTime, Mode, "ProgressTime", "0"},
    {ProgressColor, Mode, "ProgressColor", "0"},
    {ProgressFrom, Mode, "ProgressFrom", "09:00"},
    {ProgressTo, Mode, "ProgressTo", "17:00"},
    {AutoScale, Font, "AutoScale", "0"},
    {SameFont, Font, "SameFont", "1"},
    {Name1, Font, "Name1", "ＭＳ ゴシック"},
    {Size1, Font, "Size1", "14"},
    {Style1, Font, "Style1", "0"},
    {Color1, Font, "Color1", "clBlack"},
    {Name2, Font, "Name2", "ＭＳ ゴシック"},
    {Size2, Font, "Size2", "14"},
    {Style2, Font, "Style2", "0"},
    {Color2, Font, "Color2", "clBlack"},
}};

// Each row sits at its key's index.
constexpr bool RowsInKeyOrder() {
    for (std::size_t i = 0; i < Table.size(); ++i) {
        if (static_cast<std::size_t>(Table[i].key) != i)
            return false;
    }
    return true;
}
static_assert(RowsInKeyOrder());

// A section's keys follow one another, so that writing the keys in this
// order writes each section in one piece.
constexpr bool SectionsUnbroken() {
    for (std::size_t i = 1; i < Table.size(); ++i) {
        if (Table[i].section == Table[i - 1].section)
            continue;
        for (std::size_t j = 0; j < i; ++j) {
            if (Table[j].section == Table[i].section)
                return false;
        }
    }
    return true;
}
static_assert(SectionsUnbroken());

} // namespace

const SettingKeyInfo& KeyInfo(SettingKey key) {
    return Table[static_cast<std::size_t>(key)];
}

} // namespace velmora
