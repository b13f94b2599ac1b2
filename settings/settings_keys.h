#pragma once
// The sections and keys of the settings file with their fixed defaults: the
// one place that says what a missing key means.
#include <array>
#include <cstddef>
#include <string_view>

namespace velmora {

namespace section {
inline constexpr std::string_view Program = "PROGRAM";
inline constexpr std::string_view Position = "POSITION";
inline constexpr std::string_view Data = "DATA";
inline constexpr std::string_view Option = "OPTION";
inline constexpr std::string_view Mode = "MODE";
inline constexpr std::string_view Font = "FONT";
} // namespace section

// In the order the writer writes them.
enum class SettingKey : std::size_t {
    ProgramName,
    ProgramPath,
    Version,
    Flags,
    ShowCmd,
    MaxX,
    MaxY,
    Left,
    Top,
    Right,
    Bottom,
    Split,
    State,
    BoxName1,
    DiffIndex1,
    DateIndex1,
    TimeIndex1,
    LocaleId1,
    TimeZone1,
    BoxName2,
    DiffIndex2,
    DateIndex2,
    TimeIndex2,
    LocaleId2,
    TimeZone2,
    BlinkMode,
    SwingBlink,
    ViewMode,
    ViewRate,
    StayOnTop,
    TitleMode,
    TitleString,
    ShowTitleBar,
    ShowMenuBar,
    ShowInTaskBar,
    SaveStatus,
    ProgressTime,
    ProgressColor,
    ProgressFrom,
    ProgressTo,
    AutoScale,
    SameFont,
    Name1,
    Size1,
    Style1,
    Color1,
    Name2,
    Size2,
    Style2,
    Color2,
    Count
};

struct SettingKeyInfo {
    SettingKey key;
    std::string_view section;
    std::string_view name;
    // The default as the file would hold it; empty where the default comes
    // from the window (or, for "PROGRAM", where the key is never read).
    std::string_view fixedDefault;
};

const SettingKeyInfo& KeyInfo(SettingKey key);

// "PROGRAM"'s "Version".
inline constexpr std::string_view ProgramVersion = "V1.7";

} // namespace velmora
