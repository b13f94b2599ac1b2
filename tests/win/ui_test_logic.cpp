// The main window's decisions that need no window.
#include <gtest/gtest.h>

#include "ui/form_logic.h"

namespace velmora {
namespace {

// A 200 x 100 window at (100, 50): the bands are 8 pixels wide.
constexpr RECT Window{100, 50, 300, 150};

TEST(HitTestBorder, ZonesAndCursors) {
    struct Case {
        POINT at;
        int zone;
        LPCWSTR cursor;
    };
    const Case cases[] = {
        {{200, 100}, 0, IDC_ARROW},    // middle
        {{103, 100}, 1, IDC_SIZEWE},   // left band
        {{297, 100}, 2, IDC_SIZEWE},   // right band
        {{200, 53}, 3, IDC_SIZENS},    // top band
        {{103, 53}, 4, IDC_SIZENWSE},  // top-left corner
        {{297, 53}, 5, IDC_SIZENESW},  // top-right corner
        {{200, 147}, 6, IDC_SIZENS},   // bottom band
        {{103, 147}, 7, IDC_SIZENESW}, // bottom-left corner
        {{297, 147}, 8, IDC_SIZENWSE}, // bottom-right corner
        {{103, 58}, 1, IDC_SIZEWE},    // exactly 8 below the top: left band only
        {{108, 100}, 0, IDC_ARROW},    // exactly 8 right of the left edge
        {{292, 100}, 0, IDC_ARROW},    // exactly 8 left of the right edge
        {{293, 100}, 2, IDC_SIZEWE},
        {{200, 142}, 0, IDC_ARROW}, // exactly 8 above the bottom edge
        {{200, 143}, 6, IDC_SIZENS},
        {{99, 100}, 1, IDC_SIZEWE}, // outside counts with the nearest band
    };
    for (const Case& c : cases) {
        const BorderHit hit = HitTestBorder(c.at, Window);
        EXPECT_EQ(hit.zone, c.zone) << c.at.x << "," << c.at.y;
        EXPECT_EQ(hit.cursor, c.cursor) << c.at.x << "," << c.at.y;
    }
}

TEST(HitTestBorder, TopBandWinsInALowWindow) {
    const RECT low{0, 0, 200, 10};
    for (int y = 0; y < 8; ++y)
        EXPECT_EQ(HitTestBorder({100, y}, low).zone, 3) << y;
    for (int y = 8; y < 10; ++y)
        EXPECT_EQ(HitTestBorder({100, y}, low).zone, 6) << y;
}

TEST(CursorOnWindow, EdgesCount) {
    EXPECT_TRUE(CursorOnWindow({100, 50}, Window));
    EXPECT_TRUE(CursorOnWindow({300, 150}, Window));
    EXPECT_FALSE(CursorOnWindow({99, 100}, Window));
    EXPECT_FALSE(CursorOnWindow({200, 151}, Window));
}

TEST(DateLabelHeight, TwoFifthsBelowTheCaption) {
    EXPECT_EQ(DateLabelHeight(83, 15), 27); // the design
    EXPECT_EQ(DateLabelHeight(60, 15), 18);
    EXPECT_EQ(DateLabelHeight(16, 15), 0);
    EXPECT_EQ(DateLabelHeight(10, 15), -2); // truncates toward zero
}

TEST(AutoScaleFontRequest, HeightIsAThirdOfTheFrame) {
    const FontSettings font{"ＭＳ ゴシック", -19, 0, 0};
    for (const auto& [frame, height] : {std::pair{60, 20}, {61, 20}, {62, 20}, {63, 21}})
        EXPECT_EQ(AutoScaleFontRequest(frame, font).height, height) << frame;
}

TEST(AutoScaleFontRequest, StyleWeightCharsetAndFace) {
    const FontRequest bold = AutoScaleFontRequest(60, {"ＭＳ ゴシック", -19, 1 | 2, 0});
    EXPECT_EQ(bold.weight, 700);
    EXPECT_EQ(bold.italic, 1);
    EXPECT_EQ(bold.underline, 0);
    EXPECT_EQ(bold.strikeOut, 0);
    EXPECT_EQ(bold.charSet, 128);
    const std::string face(bold.faceName.data(), 13);
    EXPECT_EQ(face, "ＭＳ ゴシック");
    for (std::size_t i = 13; i < 32; ++i)
        EXPECT_EQ(bold.faceName[i], 0) << i;

    const FontRequest plain = AutoScaleFontRequest(60, {"Arial", -19, 4 | 8, 0});
    EXPECT_EQ(plain.weight, 400);
    EXPECT_EQ(plain.italic, 0);
    EXPECT_EQ(plain.underline, 1);
    EXPECT_EQ(plain.strikeOut, 1);
    // A created request stands for the same label font.
    EXPECT_EQ(FontOfRequest(plain, 255), (FontSettings{"Arial", 20, 4 | 8, 255}));
}

TEST(AutoScaleFontRequest, LongFaceKeepsATerminatingZero) {
    const FontRequest request = AutoScaleFontRequest(60, {std::string(40, 'A'), -19, 0, 0});
    EXPECT_EQ(std::string(request.faceName.data()), std::string(31, 'A'));
}

TEST(SnapToWorkArea, EdgesWithinTenPixels) {
    const RECT work{0, 0, 1280, 770};
    struct Case {
        RECT window;
        POINT expected;
    };
    const Case cases[] = {
        {{9, 300, 209, 400}, {0, 300}},        // left edge 9 away
        {{10, 300, 210, 400}, {10, 300}},      // 10 away: stays
        {{-9, 300, 191, 400}, {0, 300}},       // 9 beyond the edge
        {{1075, 300, 1275, 400}, {1080, 300}}, // right edge 5 away
        {{500, 6, 700, 106}, {500, 0}},        // top
        {{500, 665, 700, 765}, {500, 670}},    // bottom
        {{3, 672, 203, 772}, {0, 670}},        // a corner
        {{500, 300, 700, 400}, {500, 300}},    // far from every edge
    };
    for (const Case& c : cases) {
        const POINT snapped = SnapToWorkArea(c.window, work, SnapDistance);
        EXPECT_EQ(snapped.x, c.expected.x) << c.window.left << "," << c.window.top;
        EXPECT_EQ(snapped.y, c.expected.y) << c.window.left << "," << c.window.top;
    }
}

TEST(ErrorBoxText, PeriodAfterTextThatSortsAfterIt) {
    const std::pair<Text, Text> cases[] = {
        {"'abc' は整数ではありません", "'abc' は整数ではありません."},
        {"Access denied", "Access denied."},
        {"Done.", "Done."},
        {"Line-", "Line-"},    // "-" sorts before "."
        {"(1)", "(1)"},        // ")" too
        {"file 2", "file 2."}, // digits after
        {"", ""},
    };
    for (const auto& [message, shown] : cases)
        EXPECT_EQ(ErrorBoxText(message), shown) << message;
}

TEST(NextTickDelay, JustPastTheNextBoundary) {
    for (const auto& [millisecond, delay] :
         {std::pair{0, 1001u}, {1, 1000u}, {500, 501u}, {999, 2u}, {1500, 2u}, {-3, 1001u}})
        EXPECT_EQ(NextTickDelay(millisecond), delay) << millisecond;
}

TEST(IniPathOf, ReplacesTheFileNamesExtension) {
    const std::pair<Text, Text> cases[] = {
        {"C:\\clock\\Velmora.exe", "C:\\clock\\Velmora.ini"},
        {"C:\\clock\\Velmora", "C:\\clock\\Velmora.ini"},
        {"C:\\my.clock\\Velmora", "C:\\my.clock\\Velmora.ini"},
        {"C:\\clock\\a.b.exe", "C:\\clock\\a.b.ini"},
        {"C:\\表\\時計.exe", "C:\\表\\時計.ini"}, // "表" ends in the byte of "\"
    };
    for (const auto& [path, ini] : cases)
        EXPECT_EQ(IniPathOf(path), ini) << path;
}

TEST(ChooseStartupFile, FirstArgumentTrimmedElseTheIni) {
    struct Case {
        std::wstring commandLine;
        Text file;
        bool fromCommandLine;
    };
    const Case cases[] = {
        {L"Velmora.exe", "C:\\clock\\Velmora.ini", false},
        {L"\"C:\\clock\\Velmora.exe\"", "C:\\clock\\Velmora.ini", false},
        {L"Velmora.exe my.dat", "my.dat", true},
        {L"Velmora.exe \" my file.dat \"", "my file.dat", true},
        {L"Velmora.exe first.dat second.dat", "first.dat", true},
        {L"Velmora.exe \"D:\\設定\\時計.dat\"", "D:\\設定\\時計.dat", true},
    };
    for (const Case& c : cases) {
        const StartupChoice choice = ChooseStartupFile(c.commandLine, "C:\\clock\\Velmora.exe");
        EXPECT_EQ(choice.file, c.file);
        EXPECT_EQ(choice.fromCommandLine, c.fromCommandLine);
    }
}

TEST(ResolveColor, SystemColoursAndSpecialValues) {
    EXPECT_EQ(ResolveColor(0x000000FF), RGB(255, 0, 0));
    EXPECT_EQ(ResolveColor(static_cast<Color>(0xFF000000u + COLOR_WINDOWTEXT)),
              GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(ResolveColor(static_cast<Color>(0xFF000000u + COLOR_HIGHLIGHT)),
              GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(ResolveColor(0x1FFFFFFF), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(ResolveColor(0x20000000), GetSysColor(COLOR_WINDOWTEXT));
}

} // namespace
} // namespace velmora
