// The main window's decisions that need no window.
#include <gtest/gtest.h>

#include "ui/font_chooser.h"
#include "ui/form_logic.h"
#include "ui/window_class.h"

namespace velmora {
namespace {

// A 200 x 100 window at (100, 50): the bands are 8 pixels wide.
constexpr RECT Window{100, 50, 300, 150};

TEST(HitTestBorder, ZonesAndCursors) {
    const struct {
        RECT window;
        POINT at;
        int zone;
        LPCWSTR cursor;
    } cases[] = {
        {Window, {200, 100}, 0, IDC_ARROW},    // middle
        {Window, {103, 100}, 1, IDC_SIZEWE},   // left band
        {Window, {297, 100}, 2, IDC_SIZEWE},   // right band
        {Window, {200, 53}, 3, IDC_SIZENS},    // top band
        {Window, {103, 53}, 4, IDC_SIZENWSE},  // top-left corner
        {Window, {297, 53}, 5, IDC_SIZENESW},  // top-right corner
        {Window, {200, 147}, 6, IDC_SIZENS},   // bottom band
        {Window, {103, 147}, 7, IDC_SIZENESW}, // bottom-left corner
        {Window, {297, 147}, 8, IDC_SIZENWSE}, // bottom-right corner
        {Window, {103, 58}, 1, IDC_SIZEWE},    // exactly 8 below the top: left band only
        {Window, {108, 100}, 0, IDC_ARROW},    // exactly 8 right of the left edge
        {Window, {292, 100}, 0, IDC_ARROW},    // exactly 8 left of the right edge
        {Window, {293, 100}, 2, IDC_SIZEWE},
        {Window, {200, 142}, 0, IDC_ARROW}, // exactly 8 above the bottom edge
        {Window, {200, 143}, 6, IDC_SIZENS},
        {Window, {99, 100}, 1, IDC_SIZEWE},         // outside counts with the nearest band
        {{0, 0, 200, 10}, {100, 0}, 3, IDC_SIZENS}, // 10 high: the top band wins...
        {{0, 0, 200, 10}, {100, 7}, 3, IDC_SIZENS},
        {{0, 0, 200, 10}, {100, 8}, 6, IDC_SIZENS}, // ...down to 8
        {{0, 0, 200, 10}, {100, 9}, 6, IDC_SIZENS},
    };
    for (const auto& c : cases) {
        const BorderHit hit = HitTestBorder(c.at, c.window);
        EXPECT_EQ(hit.zone, c.zone) << c.at.x << "," << c.at.y << " in " << c.window.bottom;
        EXPECT_EQ(hit.cursor, c.cursor) << c.at.x << "," << c.at.y << " in " << c.window.bottom;
    }
}

TEST(FormLogic, CursorOnWindowDateLabelHeightAndNextTickDelay) {
    EXPECT_TRUE(CursorOnWindow({100, 50}, Window)); // the edges count
    EXPECT_TRUE(CursorOnWindow({300, 150}, Window));
    EXPECT_FALSE(CursorOnWindow({99, 100}, Window));
    EXPECT_FALSE(CursorOnWindow({200, 151}, Window));
    // Two fifths below the caption, truncated toward zero.
    for (const auto& [frame, height] : {std::pair{83, 27}, {60, 18}, {16, 0}, {10, -2}})
        EXPECT_EQ(DateLabelHeight(frame, 15), height) << frame;
    // Just past the next second's boundary.
    for (const auto& [millisecond, delay] :
         {std::pair{0, 1001u}, {1, 1000u}, {999, 2u}, {1500, 2u}, {-3, 1001u}})
        EXPECT_EQ(NextTickDelay(millisecond), delay) << millisecond;
    // A one-second timer that fell due just past the boundary is left as it
    // is; one out of step, or not yet a second apart, is set again.
    for (const auto& [millisecond, period, next] : {std::tuple{1, 1000u, 0u},
                                                    {8, 1000u, 0u},
                                                    {3, 998u, 1000u},
                                                    {1, 0u, 1000u},
                                                    {0, 1000u, 1001u},
                                                    {9, 1000u, 992u},
                                                    {999, 1000u, 2u},
                                                    {500, 501u, 501u}})
        EXPECT_EQ(NextTickPeriod(millisecond, period), next) << millisecond << " " << period;
}

TEST(AutoScaleFontRequest, HeightStyleCharsetAndFace) {
    const FontSettings gothic{"ＭＳ ゴシック", -19, FontStyle::Bold | FontStyle::Italic, 0};
    for (const auto& [frame, height] : {std::pair{60, 20}, {61, 20}, {62, 20}, {63, 21}})
        EXPECT_EQ(AutoScaleFontRequest(frame, gothic).height, height) << frame; // a third
    const FontRequest bold = AutoScaleFontRequest(60, gothic);
    EXPECT_EQ(std::tuple(bold.weight, bold.italic, bold.underline, bold.strikeOut, bold.charSet),
              std::tuple(700, 1, 0, 0, 128));
    EXPECT_EQ(std::string(bold.faceName.begin(), bold.faceName.end()),
              "ＭＳ ゴシック" + std::string(19, '\0')); // zero-padded
    const FontRequest plain =
        AutoScaleFontRequest(60, {"Arial", -19, FontStyle::Underline | FontStyle::StrikeOut, 0});
    EXPECT_EQ(std::tuple(plain.weight, plain.italic, plain.underline, plain.strikeOut),
              std::tuple(400, 0, 1, 1));
    // A created request stands for the same label font.
    EXPECT_EQ(FontOfRequest(plain, 255),
              (FontSettings{"Arial", 20, FontStyle::Underline | FontStyle::StrikeOut, 255}));
    const FontRequest longFace = AutoScaleFontRequest(60, {std::string(40, 'A'), -19, {}, 0});
    EXPECT_EQ(std::string(longFace.faceName.data()), std::string(31, 'A')); // zero-terminated
}

TEST(SnapToWorkArea, EdgesWithinTenPixels) {
    const std::pair<RECT, POINT> cases[] = {
        {{9, 300, 209, 400}, {0, 300}},        // left edge 9 away
        {{10, 300, 210, 400}, {10, 300}},      // 10 away: stays
        {{-9, 300, 191, 400}, {0, 300}},       // 9 beyond the edge
        {{1075, 300, 1275, 400}, {1080, 300}}, // right edge 5 away
        {{500, 6, 700, 106}, {500, 0}},        // top
        {{500, 665, 700, 765}, {500, 670}},    // bottom
        {{3, 672, 203, 772}, {0, 670}},        // a corner
    };
    for (const auto& [window, expected] : cases) {
        const POINT snapped = SnapToWorkArea(window, {0, 0, 1280, 770}, SnapDistance);
        EXPECT_EQ(snapped.x, expected.x) << window.left << "," << window.top;
        EXPECT_EQ(snapped.y, expected.y) << window.left << "," << window.top;
    }
}

TEST(MovedInside, KeepsTheSizeAndTakesTheShortestWay) {
    constexpr RECT Work{0, 0, 1280, 770};
    const std::pair<RECT, RECT> cases[] = {
        {{-30000, -30000, -29600, -29860}, {0, 0, 400, 140}}, // far up and left
        {{3000, 200, 3400, 340}, {880, 200, 1280, 340}},      // right of the screen
        {{500, 900, 900, 1040}, {500, 630, 900, 770}},        // below it
        {{100, 100, 500, 240}, {100, 100, 500, 240}},         // inside: unchanged
        {{-100, 700, 300, 840}, {0, 630, 400, 770}},          // across a corner
        {{-5000, 0, -3000, 2000}, {0, 0, 2000, 2000}},        // bigger: starts at the corner
        {{INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX}, {1280, 770, 1280, 770}}, // no size
        {{INT32_MIN, 10, INT32_MAX, 20}, {0, 10, INT32_MAX, 20}}, // wider than 32 bits hold
        {{600, 500, 200, 300}, {600, 500, 600, 500}},             // inverted: no size
    };
    for (const auto& [window, moved] : cases) {
        const RECT result = MovedInside(window, Work);
        EXPECT_TRUE(EqualRect(&result, &moved))
            << window.left << "," << window.top << " -> " << result.left << "," << result.top << ","
            << result.right << "," << result.bottom;
    }
    const RECT second{1280, -200, 2560, 824}; // a second monitor's work area
    const RECT result = MovedInside({-400, 100, 0, 240}, second);
    const RECT expected{1280, 100, 1680, 240};
    EXPECT_TRUE(EqualRect(&result, &expected));
}

TEST(FormLogic, ErrorBoxTextAndIniPath) {
    // A period after text whose last character sorts after it.
    for (const auto& [message, shown] :
         {std::pair<Text, Text>{"'abc' は整数ではありません", "'abc' は整数ではありません."},
          {"Done.", "Done."},
          {"Line-", "Line-"},
          {"(1)", "(1)"},
          {"file 2", "file 2."},
          {"", ""}})
        EXPECT_EQ(ErrorBoxText(message), shown) << message;
    for (const auto& [path, ini] :
         {std::pair<Text, Text>{"C:\\clock\\Velmora.exe", "C:\\clock\\Velmora.ini"},
          {"C:\\my.clock\\Velmora", "C:\\my.clock\\Velmora.ini"},
          {"C:\\clock\\a.b.exe", "C:\\clock\\a.b.ini"},
          {"C:\\表\\時計.exe", "C:\\表\\時計.ini"}}) // "表" ends in the byte of "\"
        EXPECT_EQ(IniPathOf(path), ini) << path;
}

TEST(ChooseStartupFile, FirstArgumentTrimmedElseTheIni) {
    const struct {
        std::wstring commandLine;
        Text file;
        bool fromCommandLine;
    } cases[] = {
        {L"Velmora.exe", "C:\\clock\\Velmora.ini", false},
        {L"\"C:\\clock\\Velmora.exe\"", "C:\\clock\\Velmora.ini", false},
        {L"Velmora.exe \t ", "C:\\clock\\Velmora.ini", false},
        {L"\"C:\\my clock\\Velmora.exe\"  ", "C:\\clock\\Velmora.ini", false},
        {L"\"C:\\my clock\\Velmora.exe\" a.dat", "a.dat", true},
        {L"Velmora.exe \"\"", "", true},
        {L"Velmora.exe \" my file.dat \"", "my file.dat", true},
        {L"Velmora.exe first.dat second.dat", "first.dat", true},
        {L"Velmora.exe \"D:\\設定\\時計.dat\"", "D:\\設定\\時計.dat", true},
    };
    for (const auto& c : cases) {
        const StartupChoice choice = ChooseStartupFile(c.commandLine, "C:\\clock\\Velmora.exe");
        EXPECT_EQ(choice.file, c.file) << c.file;
        EXPECT_EQ(choice.fromCommandLine, c.fromCommandLine) << c.file;
    }
}

TEST(CentredIn, CentresOnTheGivenMonitorsWorkArea) {
    // A primary monitor with a taskbar at the bottom, and a second one left
    // of it and higher up.
    constexpr RECT Primary{0, 0, 1920, 1040};
    constexpr RECT Second{-1280, -200, 0, 800};
    const struct {
        RECT workArea;
        SIZE size;
        POINT expected;
    } cases[] = {
        {Primary, {400, 380}, {760, 330}},
        {Second, {400, 380}, {-840, 110}},
        {Second, {401, 381}, {-841, 109}},
        {Second, {1400, 380}, {-1280, 110}}, // wider: the left edge stays on it
        {Second, {400, 1100}, {-840, -200}}, // taller: the caption stays on it
    };
    for (const auto& c : cases) {
        const POINT at = CentredIn(c.workArea, c.size);
        EXPECT_EQ(at.x, c.expected.x) << c.workArea.left << ' ' << c.size.cx;
        EXPECT_EQ(at.y, c.expected.y) << c.workArea.left << ' ' << c.size.cy;
    }
}

TEST(ResolveColor, SystemColoursAndSpecialValues) {
    for (const auto& [color, shown] :
         {std::pair<Color, COLORREF>{0x000000FF, RGB(255, 0, 0)},
          {static_cast<Color>(0xFF000000u + COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOWTEXT)},
          {static_cast<Color>(0xFF000000u + COLOR_HIGHLIGHT), GetSysColor(COLOR_HIGHLIGHT)},
          {0x1FFFFFFF, GetSysColor(COLOR_WINDOWTEXT)},
          {0x20000000, GetSysColor(COLOR_WINDOWTEXT)}})
        EXPECT_EQ(ResolveColor(color), shown) << std::hex << color;
}

TEST(ResolveColor, TheFontDialogPreviewsWhatTheLabelDraws) {
    // Every high byte between the RGB colours and the system colours, with a
    // few RGB parts: the label draws the RGB part, "none" and "default" aside.
    LOGFONTW logFont{};
    for (std::uint32_t high = 0x01; high <= 0xFE; ++high) {
        for (std::uint32_t rgb : {0x000000u, 0x123456u, 0xFFFFFFu}) {
            const auto color = static_cast<Color>(high << 24 | rgb);
            const bool special = color == 0x1FFFFFFF || color == 0x20000000;
            const COLORREF drawn = ResolveColor(color);
            EXPECT_EQ(drawn, special ? GetSysColor(COLOR_WINDOWTEXT) : rgb) << std::hex << color;
            EXPECT_EQ(FontDialogRequest(nullptr, logFont, color).rgbColors, drawn)
                << std::hex << color;
        }
    }
}

} // namespace
} // namespace velmora
