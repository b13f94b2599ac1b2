#include "settings/settings_keys.h"

namespace velmora {
namespace {

using namespace section;

constexpr std::array<SettingKeyInfo, static_cast<std::size_t>(SettingKey::Count)> Table{{
    {Program, "Name", ""},
    {Program, "Path", ""},
    {Program, "Version", ""},
    {Position, "Flags", ""},
    {Position, "ShowCmd", ""},
    {Position, "MaxX", ""},
    {Position, "MaxY", ""},
    {Position, "Left", ""},
    {Position, "Top", ""},
    {Position, "Right", ""},
    {Position, "Bottom", ""},
    {Position, "Split", ""},
    {Position, "State", ""},
    {Data, "BoxName1", "昭和基地"},
    {Data, "DiffIndex1", "59"},
    {Data, "DateIndex1", "0"},
    {Data, "TimeIndex1", "0"},
    {Data, "LocaleID1", "1041"},
    {Data, "TimeZone1", ""},
    {Data, "BoxName2", "ヒューストン"},
    {Data, "DiffIndex2", "77"},
    {Data, "DateIndex2", "0"},
    {Data, "TimeIndex2", "0"},
    {Data, "LocaleID2", "1041"},
    {Data, "TimeZone2", ""},
    {Mode, "BlinkMode", "0"},
    {Mode, "SwingBlink", "0"},
    {Mode, "ViewMode", "0"},
    {Mode, "ViewRate", "255"},
    {Mode, "StayOnTop", "0"},
    {Mode, "TitleMode", "1"},
    {Mode, "TitleString", "走れブリッツェン"},
    {Mode, "ShowTitleBar", "1"},
    {Mode, "ShowMenuBar", "1"},
    {Mode, "ShowInTaskBar", "1"},
    {Mode, "SaveStatus", "1"},
    {Mode, "ProgressTime", "0"},
    {Mode, "ProgressColor", "0"},
    {Mode, "ProgressFrom", "09:00"},
    {Mode, "ProgressTo", "17:00"},
    {Font, "AutoScale", "0"},
    {Font, "SameFont", "1"},
    {Font, "Name1", "ＭＳ ゴシック"},
    {Font, "Size1", "14"},
    {Font, "Style1", "0"},
    {Font, "Color1", "clBlack"},
    {Font, "Name2", "ＭＳ ゴシック"},
    {Font, "Size2", "14"},
    {Font, "Style2", "0"},
    {Font, "Color2", "clBlack"},
}};

} // namespace

const SettingKeyInfo& KeyInfo(SettingKey key) {
    return Table[static_cast<std::size_t>(key)];
}

} // namespace velmora
