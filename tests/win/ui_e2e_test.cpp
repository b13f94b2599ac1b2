// Velmora.exe end to end: started in a folder of its own with and without a
// settings file, found by its window class, read through WM_GETTEXT, closed
// with WM_CLOSE, and its ".ini" compared with the expected text. (The
// window's picture is taken in process by the UI tests: Wine does not copy
// another process's windows from the screen.)
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "engine/date_time.h"
#include "engine/format_pattern.h"
#include "engine/locale_settings.h"
#include "engine/locale_source_win.h"
#include "engine/text_win.h"
#include "ui/resource.h"
#include "ui/settings_dialog_layout.h"

#include "e2e_support.h"

namespace velmora {
namespace {

using namespace testing;

std::string Golden(const char* name) {
    return ReadBytes(WinePath(std::string(VELMORA_TEST_DATA_DIR) + "/golden/" + name));
}

const std::string PlacedFile =
    "[POSITION]\r\nFlags=0\r\nShowCmd=1\r\nMaxX=-1\r\nMaxY=-1\r\nLeft=100\r\nTop=120\r\n"
    "Right=500\r\nBottom=260\r\nSplit=180\r\nState=0\r\n"
    "[DATA]\r\nBoxName1=東京\r\nDiffIndex1=47\r\nBoxName2=Paris\r\nDiffIndex2=31\r\n"
    "LocaleID2=1036\r\nDateIndex2=21\r\n";

TEST(VelmoraProgram, FreeTextCaptionAndTheIniItWrites) {
    ProgramFolder folder;
    WriteBytes(folder.Path(L"clock.dat"),
               PlacedFile + "[MODE]\r\nTitleMode=5\r\nTitleString=二都市時計\r\n");
    RunningClock clock(folder, L"\"" + folder.Path(L"clock.dat") + L"\"");
    ASSERT_NE(clock.Window(), nullptr);
    EXPECT_EQ(WindowText(clock.Window()), "二都市時計");

    const std::vector<HWND> frames = ChildrenOfClass(clock.Window(), L"VelmoraFrame");
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(WindowText(frames[0]), "東京");
    EXPECT_EQ(WindowText(frames[1]), "Paris");
    // Paris's date pattern "yyyy/mm/dd(ddd)" with French day names.
    const std::vector<HWND> labels = ChildrenOfClass(frames[1], L"VelmoraClockLabel");
    ASSERT_EQ(labels.size(), 2u);
    const std::set<Text> frenchDays{"(lun.)", "(mar.)", "(mer.)", "(jeu.)",
                                    "(ven.)", "(sam.)", "(dim.)"};
    const Text date = WindowText(labels[0]);
    EXPECT_EQ(frenchDays.count(date.substr(std::min<std::size_t>(date.size(), 10))), 1u) << date;

    ASSERT_TRUE(clock.Close());
    const std::string expected =
        Replaced(Golden("e2e_title_mode5.ini"), "@DIRECTORY@", folder.Directory());
    EXPECT_EQ(ReadBytes(folder.Path(L"Velmora.ini")), expected);
}

TEST(VelmoraProgram, LeftClockCaptionFollowsTheClock) {
    ProgramFolder folder;
    WriteBytes(folder.Path(L"clock.dat"), PlacedFile + "[MODE]\r\nTitleMode=3\r\n");
    Win32LocaleSource locale;
    const PcSettings pc = LoadPcSettings(locale);
    const auto expectedAt = [&] {
        SYSTEMTIME now{};
        GetLocalTime(&now);
        using namespace std::chrono;
        const DateTime time = EncodeDateTime(year{now.wYear} / month{now.wMonth} / day{now.wDay},
                                             now.wHour, now.wMinute);
        return FromWide(
                   ToWindowsText(FormatPattern("m/d hh:mm ", time, pc.FormatSettings, pc.Facts))) +
               "東京";
    };
    RunningClock clock(folder, L"\"" + folder.Path(L"clock.dat") + L"\"");
    ASSERT_NE(clock.Window(), nullptr);
    const Text before = expectedAt();
    const Text caption = WindowText(clock.Window());
    const Text after = expectedAt();
    EXPECT_TRUE(caption == before || caption == after) << caption << " / " << before;
    ASSERT_TRUE(clock.Close());
}

TEST(VelmoraProgram, StartsWithDefaultsWithoutAFile) {
    ProgramFolder folder;
    RunningClock clock(folder, L"");
    ASSERT_NE(clock.Window(), nullptr);
    EXPECT_EQ(WindowText(clock.Window()), "Velmora");
    const std::vector<HWND> frames = ChildrenOfClass(clock.Window(), L"VelmoraFrame");
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(WindowText(frames[0]), "昭和基地");
    EXPECT_EQ(WindowText(frames[1]), "ヒューストン");
    // Centred on the primary screen.
    RECT rect{};
    GetWindowRect(clock.Window(), &rect);
    EXPECT_LE(std::abs((rect.left + rect.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 1);
    ASSERT_TRUE(clock.Close());

    // Everything after the window's placement is the defaults.
    const std::string written = ReadBytes(folder.Path(L"Velmora.ini"));
    const std::string golden = Golden("default_settings.ini");
    ASSERT_NE(written.find("[DATA]"), std::string::npos) << written;
    EXPECT_EQ(written.substr(written.find("[DATA]")), golden.substr(golden.find("[DATA]")));
    EXPECT_NE(written.find("Path=" + folder.Directory() + "\r\n"), std::string::npos);
}

bool HasEnglishDayName(const Text& date) {
    for (const char* day : {"(Sun)", "(Mon)", "(Tue)", "(Wed)", "(Thu)", "(Fri)", "(Sat)"})
        if (date.find(day) != Text::npos)
            return true;
    return false;
}

TEST(VelmoraProgram, SettingsDialogFromTheMenuSwitchesTheLeftClockToEnglish) {
    ProgramFolder folder;
    WriteBytes(folder.Path(L"clock.dat"), "[DATA]\r\nDateIndex1=21\r\nLocaleID1=1041\r\n");
    RunningClock clock(folder, L"\"" + folder.Path(L"clock.dat") + L"\"");
    ASSERT_NE(clock.Window(), nullptr);
    const std::vector<HWND> frames = ChildrenOfClass(clock.Window(), L"VelmoraFrame");
    ASSERT_EQ(frames.size(), 2u);
    const HWND leftDate = ChildrenOfClass(frames[0], L"VelmoraClockLabel").at(0);
    EXPECT_FALSE(HasEnglishDayName(WindowText(leftDate))) << WindowText(leftDate);

    // "オプション(&O)" → "設定(&S)...", then "英語,1033" for the left clock and OK.
    PostMessageW(clock.Window(), WM_COMMAND, ID_SETTING, 0);
    const HWND dialog = WaitForWindow(clock.ProcessId(), nullptr, L"設定", 100);
    ASSERT_NE(dialog, nullptr);
    const int listId = CommandIdOf(ControlId::ComboBox13);
    const std::vector<HWND> lists =
        Descendants(dialog, [&](HWND child) { return GetDlgCtrlID(child) == listId; });
    ASSERT_FALSE(lists.empty());
    const HWND list = lists[0];
    PostMessageW(list, CB_SETCURSEL, 8, 0);
    PostMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);

    // The next tick writes the date with English day names.
    Text date;
    for (int attempt = 0; attempt < 50 && !HasEnglishDayName(date); ++attempt) {
        Sleep(100);
        date = WindowText(leftDate);
    }
    EXPECT_TRUE(HasEnglishDayName(date)) << date;
    ASSERT_TRUE(clock.Close());
    EXPECT_NE(ReadBytes(folder.Path(L"Velmora.ini")).find("LocaleID1=1033\r\n"), std::string::npos);
}

} // namespace
} // namespace velmora
