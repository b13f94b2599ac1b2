// What the clock tells the user of: reminders on either clock's time, the
// end of working hours and the chime, followed on the one-second tick.
#include "ui/main_form.h"

#include <algorithm>

#include "engine/side_time.h"
#include "engine/text_win.h"

namespace velmora {

// Whenever the reminders, the progress or the clocks change. A reminder that
// cannot be followed is switched off, kept as written, and reported once.
void TForm1::LoadReminders() {
    // Nothing set, the usual case: no clock is read and the tick stays as it was.
    const bool anyOn = std::any_of(state_.Reminders.begin(), state_.Reminders.end(),
                                   [](const ReminderSettings& r) { return r.On; });
    if (!anyOn && !state_.Reminding.WorkEnd && state_.Reminding.Chime == ChimeMode::Off) {
        board_ = ReminderBoard();
        return;
    }
    const std::optional<int> workEnd = state_.Progress.ProgressTime == ProgressClock::None
                                           ? std::nullopt
                                           : ParseClockTime(state_.Progress.ProgressTo);
    const ReminderClock workClock = state_.Progress.ProgressTime == ProgressClock::Right
                                        ? ReminderClock::Right
                                        : ReminderClock::Left;
    // A sound file that is not there (moved, or a file from another
    // computer) is a bad value as much as a bad time.
    std::vector<BadReminder> missing;
    for (std::size_t i = 0; i < state_.Reminders.size(); ++i) {
        const ReminderSettings& r = state_.Reminders[i];
        if (r.On && !r.Time.empty() && r.Sound == ReminderSound::File && !r.SoundFile.empty() &&
            GetFileAttributesW(ToWide(r.SoundFile).c_str()) == INVALID_FILE_ATTRIBUTES)
            missing.push_back({i, ReminderProblem::Sound});
    }
    for (const BadReminder& b : missing)
        state_.Reminders[b.index].On = false;
    std::vector<BadReminder> bad =
        board_.Load(state_.Reminders, state_.Reminding, workEnd, workClock, WallsNow());
    bad.insert(bad.end(), missing.begin(), missing.end());
    std::sort(bad.begin(), bad.end(),
              [](const BadReminder& a, const BadReminder& b) { return a.index < b.index; });
    if (bad.empty())
        return;
    for (const BadReminder& b : bad)
        state_.Reminders[b.index].On = false;
    deps_.errors.ShowError(window_, BadRemindersMessage(bad));
}

// The dialog edits a copy; OK brings it back and the board starts anew.
void TForm1::Reminders1Click() {
    if (!reminderDialog_) {
        reminderDialog_ = std::make_unique<ReminderDialog>(deps_.errors, deps_.dialogs);
        reminderDialog_->Create(window_);
    }
    ReminderDialogState state{
        state_.Reminders, state_.Reminding, {state_.Sides[0].BoxName, state_.Sides[1].BoxName}};
    if (!reminderDialog_->Execute(state))
        return;
    state_.Reminders = state.Reminders;
    state_.Reminding = state.Reminding;
    LoadReminders();
}

TickWalls TForm1::WallsNow() const {
    const ClockReading now = deps_.clock.Read();
    return {{WholeSeconds(SideTimeAt(state_.Sides[0], now, deps_.zones)),
             WholeSeconds(SideTimeAt(state_.Sides[1], now, deps_.zones))},
            WholeSeconds(now.Utc)};
}

// After the tick, from the same reading: with nothing set this is all.
void TForm1::TellReminders(DateTime utc) {
    if (board_.Idle())
        return;
    const TickWalls walls{
        {WholeSeconds(state_.Sides[0].SideTime), WholeSeconds(state_.Sides[1].SideTime)},
        WholeSeconds(utc)};
    for (const ToTell& told : board_.Tick(walls))
        Tell(told);
}

void TForm1::Tell(const ToTell& told) {
    if (told.what == Telling::Chime) {
        deps_.sounds.PlayChime();
        return;
    }
    std::erase_if(popups_, [](const auto& popup) { return !popup->Open(); });
    const bool reminder = told.what == Telling::Reminder;
    const ReminderSettings* settings = reminder ? &state_.Reminders[told.index] : nullptr;
    // The file keeps what fired, so that a restart does not tell it again.
    if (settings && !told.snoozed)
        state_.Reminders[told.index].Fired = FiredText(told.due);
    const ReminderClock clock =
        settings ? settings->Clock
                 : (state_.Progress.ProgressTime == ProgressClock::Right ? ReminderClock::Right
                                                                         : ReminderClock::Left);
    deps_.sounds.PlayReminder(settings ? settings->Sound : ReminderSound::System,
                              settings ? settings->SoundFile : Text());

    const DecodedDateTime due = DecodeDateTime(static_cast<double>(told.due) / 86'400);
    char time[16];
    std::snprintf(time, sizeof time, " %d:%02d", due.hour, due.minute);
    const Text heading = state_.Sides[clock == ReminderClock::Right ? 1 : 0].BoxName + time +
                         (told.missed    ? "（遅れて通知）"
                          : told.snoozed ? "（再通知）"
                                         : "");
    const Text message = settings ? settings->Message : Text("終業時刻です。");
    RECT beside{};
    GetWindowRect(window_, &beside);
    auto popup = std::make_unique<ReminderPopup>();
    popup->Show(beside, static_cast<int>(popups_.size()), dpi_, ToWide(heading), ToWide(message),
                palette_, [this, told](ReminderPopup::Answer answer) {
                    if (answer == ReminderPopup::Answer::Snooze)
                        board_.Snooze(told, WallsNow());
                });
    popups_.push_back(std::move(popup));
}

} // namespace velmora
