// The "リマインダー" dialog: adding, editing, switching off and deleting
// reminders; Cancel gives nothing back; a message the settings file cannot
// hold is refused with a clear message; through the window, OK writes the
// section.
#include <gtest/gtest.h>

#include "tests/win/form_probe.h"
#include "tests/win/ui_test_support.h"
#include "ui/reminder_dialog.h"
#include "ui/resource.h"

namespace velmora {
namespace {

using namespace testing;
using enum ReminderControl;

class ReminderDialogTest : public ::testing::Test {
  protected:
    ReminderDialogTest() { dialog.Create(nullptr); }

    static ReminderDialogState State() {
        ReminderDialogState state;
        state.Reminders[0].On = true;
        state.Reminders[0].Time = "9:00";
        state.Reminders[0].Message = "朝会";
        state.ClockNames = {"東京", "ヒューストン"};
        return state;
    }
    // Posted before the modal loop starts, so it handles them in order.
    void Post(ReminderControl id, UINT message, WPARAM w = 0, LPARAM l = 0) {
        PostMessageW(dialog.Control(id), message, w, l);
    }
    void PostNotice(ReminderControl id, int code) {
        PostMessageW(dialog.Handle(), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(dialog.Control(id)), code),
                     reinterpret_cast<LPARAM>(dialog.Control(id)));
    }
    // Typed over the whole text; each character changes it (EN_CHANGE).
    void PostText(ReminderControl edit, const wchar_t* text) {
        Post(edit, EM_SETSEL, 0, -1);
        Post(edit, WM_CHAR, VK_BACK);
        for (const wchar_t* c = text; *c; ++c)
            Post(edit, WM_CHAR, *c);
    }
    void PostClose(int command) { PostMessageW(dialog.Handle(), WM_COMMAND, command, 0); }
    // A new reminder at 17:45 on the right clock, switched off, with a
    // sound file picked; the first deleted.
    void PostEdits() {
        Post(Add, BM_CLICK);
        PostText(Time, L"17:45");
        Post(Clock, CB_SETCURSEL, 1);
        PostNotice(Clock, CBN_SELCHANGE);
        PostText(Message, typed.c_str());
        Post(On, BM_CLICK);
        files.answers = {Text("C:\\windows\\win.ini")}; // a file that is there
        Post(Browse, BM_CLICK);
        Post(List, LB_SETCURSEL, 0);
        PostNotice(List, LBN_SELCHANGE);
        Post(Remove, BM_CLICK);
    }

    RecordingErrors errors;
    ScriptedDialogs files;
    ReminderDialog dialog{errors, files};
    std::wstring typed = ToWide("帰る");
};

TEST_F(ReminderDialogTest, AddEditSwitchOffAndDeleteThenOk) {
    ReminderDialogState state = State();
    PostEdits();
    PostClose(IDOK);
    ASSERT_TRUE(dialog.Execute(state));
    EXPECT_TRUE(state.Reminders[0].Time.empty()); // deleted
    const ReminderSettings& added = state.Reminders[1];
    EXPECT_FALSE(added.On);
    EXPECT_EQ(added.Clock, ReminderClock::Right);
    EXPECT_EQ(added.Time, "17:45");
    EXPECT_EQ(added.Days, EveryDay);
    EXPECT_EQ(added.Message, "帰る");
    EXPECT_EQ(added.Sound, ReminderSound::File);
    EXPECT_EQ(added.SoundFile, "C:\\windows\\win.ini");
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(ReminderDialogTest, CancelGivesNothingBack) {
    ReminderDialogState state = State();
    const ReminderDialogState before = state;
    PostEdits();
    PostClose(IDCANCEL);
    EXPECT_FALSE(dialog.Execute(state));
    EXPECT_EQ(state.Reminders, before.Reminders);
}

TEST_F(ReminderDialogTest, AMessageTheFileCannotHoldAndABadTimeAreRefused) {
    ReminderDialogState state = State();
    typed = L"\uD55C\uAE00"; // Korean: no place in code page 932
    PostEdits();
    PostClose(IDOK);
    PostText(Message, L"ok");
    PostText(Time, L"24:00");
    PostClose(IDOK);
    PostClose(IDCANCEL);
    EXPECT_FALSE(dialog.Execute(state));
    EXPECT_EQ(errors.messages,
              (std::vector<Text>{
                  "リマインダー 2 のメッセージには、設定ファイルに保存できない文字があります",
                  "リマインダー 2 の時刻は 0:00 から 23:59 の「時:分」で入力してください"}));
}

// Through the window: the options menu opens it, OK writes the section.
TEST(ReminderDialogInTheWindow, OkWritesTheSection) {
    FormFixture fixture;
    TForm1& form = fixture.Start("");
    // Once the dialog is up, a new reminder and OK.
    struct Driver {
        static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
            const HWND dialog = FindWindowW(nullptr, ToWide("リマインダー").c_str());
            if (!dialog || !IsWindowVisible(dialog))
                return;
            const auto control = [&](ReminderControl id) {
                return GetDlgItem(dialog, 2000 + static_cast<int>(id));
            };
            SendMessageW(control(Add), BM_CLICK, 0, 0);
            SendMessageW(control(Time), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"6:30"));
            SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        }
    };
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, Driver::Tick);
    SendMessageW(form.Handle(), WM_COMMAND, ID_REMINDERS, 0);
    KillTimer(nullptr, timer);
    EXPECT_EQ(FormProbe(form).Reminder(0).Time, "6:30");
    form.WriteSettings(TestIni);
    EXPECT_NE(fixture.files.files[TestIni].find("[REMINDER]\r\n"), std::string::npos);
    EXPECT_NE(fixture.files.files[TestIni].find("On1=1\r\nClock1=0\r\nTime1=6:30\r\n"),
              std::string::npos);
}

} // namespace
} // namespace velmora
