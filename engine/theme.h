#pragma once
// Which palette the clock draws in. The user's choice, Windows' apps setting
// and high contrast decide it; what the palettes hold is decided here too,
// so that the contrast of every pair can be checked without a window.
#include <cstdint>

namespace velmora {

enum class ThemeChoice : std::int32_t {
    FollowWindows = 0,
    Light = 1,
    Dark = 2,
};
constexpr ThemeChoice LastThemeChoice = ThemeChoice::Dark;

// What Windows says at the moment.
struct SystemTheme {
    bool appsDark = false;     // the apps' light/dark setting is dark
    bool highContrast = false; // a high-contrast theme is on

    bool operator==(const SystemTheme&) const = default;
};

enum class Look { Light, Dark, HighContrast };

Look ChooseLook(ThemeChoice choice, const SystemTheme& system);

// 0x00BBGGRR, as GDI takes it.
using Rgb = std::uint32_t;

// The dark look's colours: Windows' own dark surfaces and text.
struct DarkColours {
    static constexpr Rgb Face = 0x202020;
    static constexpr Rgb Text = 0xFFFFFF;        // the time and date labels
    static constexpr Rgb CaptionText = 0xDADADA; // the frames' names
    static constexpr Rgb EdgeLight = 0x4A4A4A;
    static constexpr Rgb EdgeDark = 0x000000;
};

// Whether a label draws in the colour its font setting names rather than in
// the palette's text colour. The settings file's colour is 0x00BBGGRR, or
// 0xFF000000 plus a system colour index, 0x1FFFFFFF or 0x20000000.
bool KeepsChosenColour(Look look, std::int32_t chosen);

// The contrast ratio of two colours as the accessibility guidelines define
// it, from 1 (equal) to 21 (black on white).
double ContrastRatio(Rgb a, Rgb b);

} // namespace velmora
