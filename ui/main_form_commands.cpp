// The main window's commands that hand over to the settings dialog and the
// shell: the settings, the three shortcuts, the About box, help and home page.
#include "ui/main_form.h"

#include <stdexcept>

#include "engine/format_pattern.h"
#include "engine/pattern_lists.h"
#include "engine/side_time.h"
#include "engine/text_win.h"
#include "engine/tick.h"
#include "shell/about_box.h"
#include "shell/executable_path.h"
#include "shell/help_commands.h"
#include "shell/shortcuts.h"
#include "ui/clipboard_win.h"

namespace velmora {

// The dialog edits a copy of the state; only OK brings it back, after which
// everything that depends on it is derived anew.
void TForm1::Setting1Click() {
    // The progress settings are enabled only where a bar can be shown: the
    // taskbar object is made now if nothing has needed it yet.
    taskbar_->MakeReady();
    FollowTaskbar();
    SettingsDialogState state = DialogState();
    // Cancel: the dialog has already put the alpha value back.
    if (!SettingsDialog().Execute(state))
        return;
    TakeDialogState(state);
}

SettingsDialogState TForm1::DialogState() const {
    SettingsDialogState state{state_, taskbarReady_};
    const ClockReading now = deps_.clock.Read();
    // On a zone, the offset list shows the zone's offset now, the natural
    // start when the user goes back to a fixed offset.
    for (ClockSide& side : state.Sides)
        side.DiffIndex = DiffIndexToStore(side, now, deps_.zones);
    return state;
}

void TForm1::TakeDialogState(const SettingsDialogState& state) {
    // The alpha value comes back as the slider has set it live, and with
    // "左右同じ" the dialog has already given the right side the left font.
    CopyKeptValues(state, state_);
    for (ClockSide& side : state_.Sides) {
        LoadLocaleSettings(deps_.locale, pc_.Facts, side.LocaleID, side.FormatSettings);
        RefreshLocalePatterns(side);
    }
    ApplyCaptions();
    ApplyFonts();
    DerivePatterns();
    SetStayOnTop(state_.StayOnTop);
    ApplyDesktop();
    if (const auto title = FixedTitle(state_.TitleMode, state_.TitleString))
        SetCaption(*title);
    lastProgressError_.reset(); // new settings: an error is worth showing again
    lastTickError_.reset();
    UpdateProgress();
    LoadReminders();
    FormResize();
    FormShow();
}

namespace {

ShortcutRequest ShortcutRequestOf(HWND owner, AppWindow& app, MessageBoxes& boxes) {
    return {owner, ExecutablePath(), [&app] { return app.Title(); },
            [&app](const Text& title) { app.SetTitle(title); }, boxes};
}

} // namespace

void TForm1::DeskTop1Click() {
    try {
        CreateDesktopShortcut(ShortcutRequestOf(window_, app_, deps_.boxes));
    } catch (const std::exception& error) {
        ShowError(error);
    }
}

void TForm1::StartUp1Click() {
    try {
        CreateStartupShortcut(ShortcutRequestOf(window_, app_, deps_.boxes));
    } catch (const std::exception& error) {
        ShowError(error);
    }
}

void TForm1::StartMenu1Click() {
    try {
        CreateStartMenuShortcut(ShortcutRequestOf(window_, app_, deps_.boxes));
    } catch (const std::exception& error) {
        ShowError(error);
    }
}

void TForm1::About1Click() {
    RunAboutCommand(
        {window_, app_.Title(), ExecutablePath(), [this] { return RandomEndColour(random_); }},
        [this] { Site1Click(); });
}

// The time with its separators, whatever the blink shows this second: a
// copied time reads as a time.
void TForm1::CopyTime1Click() {
    std::wstring lines;
    for (int side = 0; side < 2; ++side) {
        const ClockSide& clock = state_.Sides[static_cast<std::size_t>(side)];
        const ClockLabel& date = side == 0 ? label1_ : label2_;
        const WideText time = ApplyHourFix(
            FormatPattern(clock.ColonPattern, clock.SideTime, clock.FormatSettings, pc_.Facts),
            clock.TimeIndex);
        lines += ToWide(clock.BoxName) + L" " + date.Text() + L" " + ToWindowsText(time) + L"\r\n";
    }
    if (!PutClipboardText(window_, lines))
        ShowError(std::runtime_error("クリップボードに書き込めませんでした。"));
}

void TForm1::Help2Click() {
    OpenHelpFile(window_, ExecutablePath(), deps_.shell);
}

void TForm1::Site1Click() {
    OpenHomePage(window_, deps_.shell);
}

} // namespace velmora
