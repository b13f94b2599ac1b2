// The main window's commands reach the settings dialog and the shell: the
// dialog's OK changes the running clocks, Cancel changes nothing, and the
// shortcut, help and home-page commands ask the right questions and paths.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/deferred_taskbar.h"
#include "engine/text_win.h"
#include "shell/product_info.h"
#include "tests/win/form_probe.h"
#include "tests/win/ui_test_support.h"
#include "ui/resource.h"

namespace velmora {
namespace {

using testing::FormFixture;
using testing::WindowText;

// The left clock on "yyyy/mm/dd(ddd)", Japanese until the dialog says otherwise.
const char* const JapaneseLeftClock = "[DATA]\r\nDateIndex1=21\r\nLocaleID1=1041\r\n";

class CommandTest : public ::testing::Test, public FormFixture {
  protected:
    // Posted before the dialog's modal loop starts, so it handles them in order.
    void PostLanguageChoice(int row) {
        const HWND list = FormProbe::SettingsDialog(*form).Control(ControlId::ComboBox13);
        PostMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
        PostMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
    void PostDialogTitle(const wchar_t* title) { // the free text, replacing what is there
        TForm2& dialog = FormProbe::SettingsDialog(*form);
        PostMessageW(dialog.Control(ControlId::RadioButton5), BM_CLICK, 0, 0);
        const HWND edit = dialog.Control(ControlId::Edit1);
        PostMessageW(edit, EM_SETSEL, 0, -1);
        for (const wchar_t* c = title; *c; ++c)
            PostMessageW(edit, WM_CHAR, *c, 0);
    }
    void PostDialogButton(int command) {
        PostMessageW(FormProbe::SettingsDialog(*form).Handle(), WM_COMMAND, command, 0);
    }
    Text LeftDate() const { return WindowText(FormProbe(*form).Label(0).Handle()); }
    bool OwnsADialog() const {
        for (HWND dialog = nullptr; (dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr));)
            if (GetWindow(dialog, GW_OWNER) == form->Handle())
                return true;
        return false;
    }
};

TEST_F(CommandTest, SettingsDialogOkSwitchesTheLeftClockToEnglishAndRetitles) {
    Start(JapaneseLeftClock);
    EXPECT_EQ(LeftDate(), "2024/03/05(火)");
    EXPECT_FALSE(OwnsADialog()) << "the settings dialog is made when first used";

    PostLanguageChoice(8); // "英語,1033"
    PostDialogTitle(L"出張中");
    PostDialogButton(IDOK);
    form->Setting1Click();

    EXPECT_EQ(FormProbe(*form).Side(0).LocaleID, 1033);
    EXPECT_TRUE(OwnsADialog());
    form->Timer1Timer();
    EXPECT_EQ(LeftDate(), "2024/03/05(Tue)");
    // The typed title is the caption and the taskbar text, and stays so.
    EXPECT_EQ(WindowText(form->Handle()), "出張中");
    EXPECT_EQ(WindowText(form->ApplicationHandle()), "出張中");
    EXPECT_TRUE(errors.messages.empty());
}

// Both clocks, a line each, as Unicode text: the name, the shown date and
// the time with its separator whatever the blink shows; Ctrl+C is the
// pop-up menu's item.
TEST_F(CommandTest, CopyTimePutsBothClocksOnTheClipboard) {
    Start("[DATA]\r\nDateIndex1=21\r\nLocaleID1=1042\r\nDateIndex2=1\r\n");
    form->Timer1Timer();
    ACCEL keys[8]{};
    const int count = CopyAcceleratorTableW(
        LoadAcceleratorsW(GetModuleHandleW(nullptr), L"Accelerators1"), keys, 8);
    EXPECT_EQ(std::count_if(keys, keys + count,
                            [](const ACCEL& key) {
                                return key.cmd == ID_COPYTIME && key.key == 'C' &&
                                       key.fVirt == (FVIRTKEY | FCONTROL);
                            }),
              1);
    SendMessageW(form->Handle(), WM_COMMAND, ID_COPYTIME, 0);
    ASSERT_TRUE(OpenClipboard(form->Handle()));
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const std::wstring copied = data ? static_cast<const wchar_t*>(GlobalLock(data)) : L"";
    if (data)
        GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(copied,
              L"昭和基地 2024/03/05(화) AM 6:34\r\nヒューストン 2024年3月4日月曜日 21:34\r\n");
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(CommandTest, SettingsDialogCancelKeepsTheClock) {
    Start(JapaneseLeftClock);
    PostLanguageChoice(8);
    PostDialogButton(IDCANCEL);
    form->Setting1Click();

    EXPECT_EQ(FormProbe(*form).Side(0).LocaleID, 1041);
    form->Timer1Timer();
    EXPECT_EQ(LeftDate(), "2024/03/05(火)");
}

// The taskbar object cannot be made after all (its code missing): found out
// when the bar is first needed, at start-up or when the dialog opens; then
// the refresh stops and the dialog's progress settings are disabled.
TEST_F(CommandTest, TaskbarThatCannotBeMadeDisablesTheProgress) {
    for (const char* progressTime : {"1", "0"}) {
        int makings = 0;
        files.files[testing::TestIni] = std::string("[MODE]\r\nProgressTime=") + progressTime;
        const TaskbarFactory failing = [&](HWND) -> std::unique_ptr<TaskbarProgress> {
            return std::make_unique<DeferredTaskbar>(true,
                                                     [&]() -> std::unique_ptr<TaskbarProgress> {
                                                         ++makings;
                                                         return nullptr;
                                                     });
        };
        form = std::make_unique<TForm1>(FormDependencies{
            clock, zones, locale, fontPitch, files, errors, dialogs, fonts, boxes, shell, theme,
            sounds, failing, L"Velmora.exe", testing::TestExecutable});
        form->Create();
        EXPECT_EQ(FormProbe(*form).TaskbarReady(), *progressTime == '0') << progressTime;
        PostDialogButton(IDCANCEL);
        form->Setting1Click();
        EXPECT_FALSE(FormProbe(*form).TaskbarReady()) << progressTime;
        EXPECT_FALSE(
            IsWindowEnabled(FormProbe::SettingsDialog(*form).Control(ControlId::ComboBox3)));
        EXPECT_EQ(makings, 1) << progressTime;
    }
}

TEST_F(CommandTest, DesktopShortcutAsksAfterRetitlingAndNoSavesNothing) {
    Start("[MODE]\r\nTitleMode=5\r\nTitleString=custom\r\n");
    EXPECT_EQ(WindowText(form->ApplicationHandle()), "custom");
    boxes.answers = {IDNO};
    form->DeskTop1Click();

    EXPECT_TRUE(errors.messages.empty()) << (errors.messages.empty() ? "" : errors.messages[0]);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "確認");
    EXPECT_EQ(boxes.shown[0].text, "デスクトップにアイコンを登録しますか？");
    EXPECT_EQ(WindowText(form->ApplicationHandle()), "Velmora");
    EXPECT_EQ(WindowText(form->Handle()), "custom");
}

TEST_F(CommandTest, HelpAndHomePageGoToTheShell) {
    Start("");
    form->Help2Click();
    form->Site1Click();

    ASSERT_EQ(shell.calls.size(), 2u);
    std::wstring help = testing::RunningExecutable();
    help.replace(help.rfind(L'.'), std::wstring::npos, L".chm");
    EXPECT_EQ(shell.calls[0].target, help);
    EXPECT_EQ(shell.calls[1].target, ToWide(HomePageAddress));
    EXPECT_EQ(shell.calls[0].owner, form->Handle());
}

} // namespace
} // namespace velmora
