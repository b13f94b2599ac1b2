// The one-second tick, the working-hours progress on the taskbar button,
// the computer's own locale and the errors they report.
#include "ui/main_form.h"

#include "engine/conversion_error.h"
#include "engine/tick.h"
#include "ui/form_logic.h"

namespace velmora {

void TForm1::ArmTick() {
    const UINT period = NextTickPeriod(DecodeDateTime(deps_.clock.Now()).millisecond, tickPeriod_);
    if (period == 0)
        return;
    SetTimer(window_, Timer1Id, period, nullptr);
    tickPeriod_ = period;
}

void TForm1::Timer1Timer() {
    try {
        const TickTexts texts =
            Tick({state_.Sides[0], state_.Sides[1], state_.TitleMode, pc_, state_.Progress,
                  progressState_, deps_.clock, *taskbar_, deps_.zones});
        label1_.SetText(texts.LeftDate);
        label11_.SetText(texts.LeftTime);
        label2_.SetText(texts.RightDate);
        label21_.SetText(texts.RightTime);
        if (texts.Caption)
            SetCaption(*texts.Caption);
        TellReminders(texts.Utc);
    } catch (const std::exception& error) {
        ReportOnce(error.what(), lastTickError_);
    }
    ArmTick();
}

void TForm1::Timer2Timer() {
    UpdateProgress();
}

void TForm1::UpdateProgress() {
    try {
        UpdateProgressWindow(state_.Progress, progressState_, pc_.FormatSettings, deps_.locale,
                             *taskbar_);
    } catch (const ConversionError& error) {
        ReportOnce(error.what(), lastProgressError_);
    }
    FollowTaskbar();
}

// Showing a bar may have tried to make the taskbar object and failed: then
// the refresh stops and the dialog's progress settings are disabled.
void TForm1::FollowTaskbar() {
    taskbarReady_ = taskbarReady_ && taskbar_->Available();
}

void TForm1::ReloadPcSettings() {
    pc_ = velmora::ReloadPcSettings(deps_.locale);
    eraCalendar_ = std::make_unique<BuiltInEraCalendar>(pc_.Facts.PcLocale);
    pc_.Facts.Calendar = eraCalendar_.get();
}

// An error that would come back every second is shown once, until the
// settings change.
void TForm1::ReportOnce(const Text& message, std::optional<Text>& lastShown) {
    if (lastShown == message)
        return;
    lastShown = message; // before the box: the timers keep firing inside it
    deps_.errors.ShowError(window_, message);
}

void TForm1::ShowError(const std::exception& error) {
    deps_.errors.ShowError(window_, error.what());
}

} // namespace velmora
