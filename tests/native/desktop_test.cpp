// How the clock lives on the desktop: which look it draws in, which label
// colours the dark look replaces, and which foreground windows it steps
// aside for.
#include <gtest/gtest.h>

#include "engine/full_screen.h"
#include "engine/theme.h"

namespace velmora {
namespace {

TEST(ChooseLook, HighContrastWinsThenTheChoiceThenWindows) {
    for (const bool appsDark : {false, true}) {
        for (const bool highContrast : {false, true}) {
            const SystemTheme system{appsDark, highContrast};
            const Look windows = appsDark ? Look::Dark : Look::Light;
            const auto expect = [&](Look chosen) {
                return highContrast ? Look::HighContrast : chosen;
            };
            EXPECT_EQ(ChooseLook(ThemeChoice::FollowWindows, system), expect(windows));
            EXPECT_EQ(ChooseLook(ThemeChoice::Light, system), expect(Look::Light));
            EXPECT_EQ(ChooseLook(ThemeChoice::Dark, system), expect(Look::Dark));
        }
    }
}

TEST(KeepsChosenColour, DarkReplacesOnlyTheDefaultsHighContrastReplacesAll) {
    const struct {
        std::int32_t colour;
        bool userOwn;
    } cases[] = {
        {0x000000, false},                               // clBlack, the default
        {static_cast<std::int32_t>(0xFF000008u), false}, // clWindowText
        {static_cast<std::int32_t>(0xFF000012u), false}, // clBtnText
        {0x1FFFFFFF, false},                             // clNone
        {0x20000000, false},                             // clDefault
        {0x000001, true},                                // almost black, but chosen
        {0x0000FF, true},                                // clRed
        {0xFFFFFF, true},                                // clWhite
        {0x7F000000, true},                              // high bits the file kept
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(KeepsChosenColour(Look::Light, c.colour)) << std::hex << c.colour;
        EXPECT_EQ(KeepsChosenColour(Look::Dark, c.colour), c.userOwn) << std::hex << c.colour;
        EXPECT_FALSE(KeepsChosenColour(Look::HighContrast, c.colour)) << std::hex << c.colour;
    }
}

TEST(ContrastRatio, KnownPairsAndTheDarkPalette) {
    EXPECT_NEAR(ContrastRatio(0x000000, 0xFFFFFF), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(0xFFFFFF, 0x000000), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(0x777777, 0x777777), 1.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(0x767676, 0xFFFFFF), 4.54, 0.01); // the guidelines' grey
    // Green weighs most, blue least.
    EXPECT_GT(ContrastRatio(0x000000, 0x00FF00), ContrastRatio(0x000000, 0x0000FF));
    EXPECT_GT(ContrastRatio(0x000000, 0x0000FF), ContrastRatio(0x000000, 0xFF0000));
    EXPECT_GE(ContrastRatio(DarkColours::Text, DarkColours::Face), 7.0);
    EXPECT_GE(ContrastRatio(DarkColours::CaptionText, DarkColours::Face), 7.0);
    // The etched edge shows on the face both ways.
    EXPECT_GE(ContrastRatio(DarkColours::EdgeLight, DarkColours::Face), 1.4);
    EXPECT_GE(ContrastRatio(DarkColours::EdgeDark, DarkColours::Face), 1.2);
}

TEST(IsFullScreenProgram, OnlyACaptionlessWindowCoveringTheMonitor) {
    constexpr Rect Monitor{1920, 0, 3840, 1080}; // the clock's, right of the primary
    const auto window = [&](Rect bounds) {
        return ForegroundWindow{bounds, Monitor, false, false, false, true};
    };
    ForegroundWindow maximised = window({1912, -8, 3848, 1088});
    maximised.hasCaption = true;
    ForegroundWindow ours = window(Monitor);
    ours.ours = true;
    ForegroundWindow desktop = window(Monitor);
    desktop.desktop = true;
    ForegroundWindow minimised = window(Monitor);
    minimised.shown = false;
    const struct {
        ForegroundWindow foreground;
        bool fullScreen;
    } cases[] = {
        {window(Monitor), true},
        {window({1910, -10, 3850, 1090}), true}, // larger, as exclusive modes make it
        {window({0, 0, 3840, 1080}), true},      // across both monitors
        {window({1920, 0, 3840, 1079}), false},  // a pixel short
        {window({1921, 0, 3840, 1080}), false},
        {window({0, 0, 1920, 1080}), false}, // the other monitor
        {maximised, false},
        {ours, false},
        {desktop, false},
        {minimised, false},
        {ForegroundWindow{Monitor, Rect{}, false, false, false, true}, false}, // no monitor
    };
    for (const auto& c : cases) {
        const Rect& b = c.foreground.bounds;
        EXPECT_EQ(IsFullScreenProgram(c.foreground), c.fullScreen)
            << b.left << "," << b.top << "," << b.right << "," << b.bottom;
    }
}

} // namespace
} // namespace velmora
