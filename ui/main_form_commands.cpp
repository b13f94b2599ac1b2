// The main window's commands that hand over to the settings dialog and the
// shell: the settings, the three shortcuts, the About box, help and home page.
#include "ui/main_form.h"

#include "engine/pattern_lists.h"
#include "engine/side_time.h"
#include "engine/tick.h"
#include "shell/about_box.h"
#include "shell/executable_path.h"
#include "shell/help_commands.h"
#include "shell/shortcuts.h"

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
    SettingsDialogState state;
    const ClockReading now = deps_.clock.Read();
    for (std::size_t i = 0; i < state.Sides.size(); ++i) {
        const ClockSide& from = state_.Sides[i];
        SettingsDialogSide& to = state.Sides[i];
        to.BoxName = from.BoxName;
        // On a zone, the offset list shows the zone's offset now, the
        // natural start when the user goes back to a fixed offset.
        to.DiffIndex = DiffIndexToStore(from, now, deps_.zones);
        to.TimeZone = from.TimeZone;
        to.DateIndex = from.DateIndex;
        to.TimeIndex = from.TimeIndex;
        to.LocaleID = from.LocaleID;
        to.Font = state_.Fonts[i];
        to.SideTime = from.SideTime;
        to.DatePatternList = from.DatePatternList;
        to.TimePatternList = from.TimePatternList;
    }
    state.BlinkMode = state_.Display.BlinkMode;
    state.SwingBlink = state_.Display.SwingBlink;
    state.ViewMode = state_.ViewMode;
    state.StayOnTop = state_.StayOnTop;
    state.TitleMode = state_.TitleMode;
    state.TitleString = state_.TitleString;
    state.AutoScale = state_.AutoScale;
    state.SameFont = state_.SameFont;
    state.TaskbarReady = taskbarReady_;
    state.Progress = state_.Progress;
    return state;
}

void TForm1::TakeDialogState(const SettingsDialogState& state) {
    for (std::size_t i = 0; i < state.Sides.size(); ++i) {
        const SettingsDialogSide& from = state.Sides[i];
        ClockSide& side = state_.Sides[i];
        side.BoxName = from.BoxName;
        side.DiffIndex = from.DiffIndex;
        side.TimeZone = from.TimeZone;
        side.DateIndex = from.DateIndex;
        side.TimeIndex = from.TimeIndex;
        side.LocaleID = from.LocaleID;
        LoadLocaleSettings(deps_.locale, pc_.Facts, side.LocaleID, side.FormatSettings);
        RefreshLocalePatterns(side);
        // With "左右同じ" the dialog has already given the right side the left font.
        state_.Fonts[i] = from.Font;
    }
    state_.Display.BlinkMode = state.BlinkMode;
    state_.Display.SwingBlink = state.SwingBlink;
    state_.AutoScale = state.AutoScale;
    state_.SameFont = state.SameFont;
    ApplyCaptions();
    ApplyFonts();
    DerivePatterns();
    // The alpha value is not copied: the slider has set it live.
    state_.ViewMode = state.ViewMode;
    SetStayOnTop(state.StayOnTop);
    state_.TitleMode = state.TitleMode;
    state_.TitleString = state.TitleString;
    if (const auto title = FixedTitle(state_.TitleMode, state_.TitleString))
        SetCaption(*title);
    state_.Progress = state.Progress;
    lastProgressError_.reset(); // new settings: an error is worth showing again
    lastTickError_.reset();
    UpdateProgress();
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

void TForm1::Help2Click() {
    OpenHelpFile(window_, ExecutablePath(), deps_.shell);
}

void TForm1::Site1Click() {
    OpenHomePage(window_, deps_.shell);
}

} // namespace velmora
