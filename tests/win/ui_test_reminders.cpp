// Reminders in the window with a set clock: on the chosen clock to the
// second, snoozed, closed, heard through a recording stand-in; the end of
// working hours, the chime, and bad reminders switched off and reported.
#include <gtest/gtest.h>

#include "tests/win/form_probe.h"
#include "tests/win/ui_test_support.h"

namespace velmora {
namespace {

using namespace testing;

// The computer in Tokyo; the left clock on it too, the right one on
// Houston's fixed winter offset, fifteen hours behind.
const std::string Clocks = "[DATA]\r\nDiffIndex1=47\r\nDiffIndex2=77\r\n";
DateTime Tokyo(int day, int hour, int minute, int second) {
    return EncodeDateTime(std::chrono::year{2026} / 12 / day, hour, minute, second);
}

class ReminderTest : public ::testing::Test, public FormFixture {
  protected:
    void TickAt(DateTime pcLocal) {
        clock.now = pcLocal;
        form->Timer1Timer();
    }
    // The reminders shown by this process, newest first.
    static std::vector<HWND> Popups() {
        std::vector<HWND> shown;
        for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, L"VelmoraReminder", nullptr));) {
            DWORD process = 0;
            GetWindowThreadProcessId(w, &process);
            if (process == GetCurrentProcessId() && IsWindowVisible(w))
                shown.push_back(w);
        }
        return shown;
    }
    static void Press(HWND popup, const char* caption) {
        SendMessageW(FindWindowExW(popup, nullptr, L"BUTTON", ToWide(caption).c_str()), BM_CLICK, 0,
                     0);
    }
};

TEST_F(ReminderTest, OnTheChosenClockToTheSecondSnoozedAndClosed) {
    clock.now = Tokyo(9, 0, 29, 58);
    Start(Clocks + "[REMINDER]\r\nOn1=1\r\nClock1=1\r\nTime1=9:30\r\nMessage1=Houston opens\r\n"
                   "Sound1=2\r\nSoundFile1=C:\\windows\\win.ini\r\n"
                   "On2=1\r\nClock2=0\r\nTime2=9:30\r\nSound2=0\r\n");
    TickAt(Tokyo(9, 0, 29, 59));
    EXPECT_TRUE(Popups().empty());
    TickAt(Tokyo(9, 0, 30, 0)); // 09:30:00 in Houston, not in Tokyo
    ASSERT_EQ(Popups().size(), 1u);
    EXPECT_EQ(sounds.played, (std::vector<std::string>{"2 C:\\windows\\win.ini"}));
    EXPECT_EQ(FormProbe(*form).Reminder(0).Fired, "2026/12/08 09:30");
    EXPECT_EQ(FormProbe(*form).Reminder(1).Fired, "");

    Press(Popups().at(0), "あとで (5分)");
    EXPECT_TRUE(Popups().empty());
    TickAt(Tokyo(9, 0, 34, 59));
    EXPECT_TRUE(Popups().empty());
    TickAt(Tokyo(9, 0, 35, 0));
    ASSERT_EQ(Popups().size(), 1u);
    EXPECT_EQ(sounds.played.size(), 2u);
    Press(Popups().at(0), "閉じる");
    EXPECT_TRUE(Popups().empty());
    TickAt(Tokyo(9, 0, 45, 0));
    EXPECT_TRUE(Popups().empty()); // closed is closed

    TickAt(Tokyo(9, 9, 30, 0)); // Tokyo's own 09:30, silent
    EXPECT_EQ(Popups().size(), 1u);
    EXPECT_EQ(sounds.played.back(), "0 ");
}

TEST_F(ReminderTest, WorkEndChimeAndQuietHours) {
    clock.now = Tokyo(9, 16, 59, 58);
    Start(Clocks +
          "[MODE]\r\nProgressTime=1\r\nProgressTo=17:00\r\n"
          "[REMINDER]\r\nWorkEnd=1\r\nChime=1\r\nChimeClock=0\r\nQuietFrom=22:00\r\nQuietTo=7:"
          "00\r\n");
    TickAt(Tokyo(9, 16, 59, 59));
    TickAt(Tokyo(9, 17, 0, 0));
    EXPECT_EQ(Popups().size(), 1u);
    EXPECT_EQ(sounds.played, (std::vector<std::string>{"1 ", "chime"}));
    Press(Popups().at(0), "閉じる");
    for (const int hour : {21, 22})
        for (const int second : {59, 0}) {
            const int h = second == 59 ? hour - 1 : hour;
            TickAt(Tokyo(9, h, second == 59 ? 59 : 0, second));
        }
    // 21:00 chimes; 22:00 lies in the quiet hours.
    EXPECT_EQ(sounds.played, (std::vector<std::string>{"1 ", "chime", "chime"}));
}

TEST_F(ReminderTest, ABadReminderIsReportedOnceSwitchedOffAndKept) {
    clock.now = Tokyo(9, 8, 0, 0);
    Start(Clocks + "[REMINDER]\r\nOn3=1\r\nTime3=25:00\r\nOn4=1\r\nTime4=9:00\r\nDays4=300\r\n"
                   "On5=1\r\nTime5=9:00\r\n");
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_EQ(errors.messages[0], "リマインダー 3 の時刻が正しくありません\r\n"
                                  "リマインダー 4 の曜日が正しくありません\r\n"
                                  "これらのリマインダーはオフにしました");
    EXPECT_FALSE(FormProbe(*form).Reminder(2).On);
    EXPECT_EQ(FormProbe(*form).Reminder(2).Time, "25:00");
    EXPECT_TRUE(FormProbe(*form).Reminder(4).On);
    form->WriteSettings(TestIni);
    const std::string written = files.files[TestIni];
    EXPECT_NE(written.find("On3=0\r\nClock3=0\r\nTime3=25:00\r\n"), std::string::npos);
    EXPECT_NE(written.find("Days4=300\r\n"), std::string::npos);
    TickAt(Tokyo(9, 9, 0, 0));
    EXPECT_EQ(Popups().size(), 1u); // the good one
    EXPECT_EQ(errors.messages.size(), 1u);
}

} // namespace
} // namespace velmora
