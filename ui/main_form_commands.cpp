// The main window's commands that hand over to the settings dialog and the
// shell: the settings, the three shortcuts, the About box, help and home page.
#include "ui/main_form.h"

#include <array>

#include "engine/display_patterns.h"
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
    const std::array<ClockSide*, 2> sides{&left_, &right_};
    const std::array<FrameBox*, 2> frames{&groupBox1_, &groupBox2_};
    const std::array<const ClockLabel*, 2> dateLabels{&label1_, &label2_};

    SettingsDialogState state;
    const ClockReading now = deps_.clock.Read();
    for (std::size_t i = 0; i < sides.size(); ++i) {
        const ClockSide& from = *sides[i];
        SettingsDialogSide& to = state.Sides[i];
        to.BoxName = frames[i]->Caption();
        // On a zone, the offset list shows the zone's offset now, the
        // natural start when the user goes back to a fixed offset.
        to.DiffIndex = DiffIndexToStore(from, now, deps_.zones);
        to.TimeZone = from.TimeZone;
        to.DateIndex = from.DateIndex;
        to.TimeIndex = from.TimeIndex;
        to.LocaleID = from.LocaleID;
        to.Font = dateLabels[i]->Font();
        to.SideTime = from.SideTime;
        to.DatePatternList = from.DatePatternList;
        to.TimePatternList = from.TimePatternList;
    }
    state.BlinkMode = display_.BlinkMode;
    state.SwingBlink = display_.SwingBlink;
    state.ViewMode = viewMode_;
    state.StayOnTop = stayOnTop_;
    state.TitleMode = titleMode_;
    state.TitleString = titleString_;
    state.AutoScale = autoScale_;
    state.SameFont = sameFont_;
    state.TaskbarReady = taskbarReady_;
    state.Progress = progress_;

    // Cancel: the dialog has already put the alpha value back.
    if (!SettingsDialog().Execute(state))
        return;

    for (std::size_t i = 0; i < sides.size(); ++i) {
        const SettingsDialogSide& from = state.Sides[i];
        ClockSide& side = *sides[i];
        frames[i]->SetCaption(from.BoxName);
        side.BoxName = from.BoxName;
        side.DiffIndex = from.DiffIndex;
        side.TimeZone = from.TimeZone;
        side.DateIndex = from.DateIndex;
        side.TimeIndex = from.TimeIndex;
        side.LocaleID = from.LocaleID;
        LoadLocaleSettings(deps_.locale, pc_.Facts, side.LocaleID, side.FormatSettings);
        RefreshLocalePatterns(side);
    }
    display_.BlinkMode = state.BlinkMode;
    display_.SwingBlink = state.SwingBlink;
    autoScale_ = state.AutoScale;
    sameFont_ = state.SameFont;
    // With "左右同じ" the dialog has already given the right side the left font.
    label1_.SetFont(state.Sides[0].Font);
    label11_.SetFont(label1_.Font());
    label2_.SetFont(state.Sides[1].Font);
    label21_.SetFont(label2_.Font());
    DeriveDisplayPatterns(left_, right_, display_, deps_.fontPitch, label11_.Font().faceName,
                          label21_.Font().faceName);
    // The alpha value is not copied: the slider has set it live.
    viewMode_ = state.ViewMode;
    SetStayOnTop(state.StayOnTop);
    titleMode_ = state.TitleMode;
    titleString_ = state.TitleString;
    if (const auto title = FixedTitle(titleMode_, titleString_))
        SetCaption(*title);
    progress_ = state.Progress;
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
