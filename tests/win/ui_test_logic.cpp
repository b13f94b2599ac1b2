// The main window's decisions that need no window.
#include <gtest/gtest.h>

#include "ui/font_chooser.h"
#include "ui/form_logic.h"
#include "ui/window_class.h"

namespace velmora {
namespace {

TEST(FormLogic, CursorsAndALongFaceName) {
    const std::pair<ZoneCursor, LPCWSTR> cursors[] = {
        {ZoneCursor::Arrow, IDC_ARROW},
        {ZoneCursor::WestEast, IDC_SIZEWE},
        {ZoneCursor::NorthSouth, IDC_SIZENS},
        {ZoneCursor::NorthwestSoutheast, IDC_SIZENWSE},
        {ZoneCursor::NortheastSouthwest, IDC_SIZENESW}};
    for (const auto& [cursor, resource] : cursors)
        EXPECT_EQ(CursorResource(cursor), resource) << int(cursor);
    const FontRequest longFace = AutoScaleFontRequest(60, {std::string(40, 'A'), -19, {}, 0});
    EXPECT_EQ(std::string(longFace.faceName.data()), std::string(31, 'A')); // zero-terminated
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
