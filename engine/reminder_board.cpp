#include "engine/reminder_board.h"

#include <algorithm>

namespace velmora {
namespace {

Seconds WallOf(const TickWalls& now, ReminderClock clock) {
    return now.wall[clock == ReminderClock::Right ? 1 : 0];
}

Seconds FloorDiv(Seconds a, Seconds b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

} // namespace

std::vector<BadReminder>
ReminderBoard::Load(const std::array<ReminderSettings, MaxReminders>& reminders,
                    const ReminderOptions& options, std::optional<int> workEnd,
                    ReminderClock workClock, const TickWalls& now) {
    watches_.clear();
    snoozes_.clear();
    workEnd_.reset();
    chime_.reset();
    std::vector<BadReminder> bad;
    for (std::size_t i = 0; i < reminders.size(); ++i) {
        const ReminderSettings& r = reminders[i];
        if (!r.On || r.Time.empty())
            continue;
        const ReadReminder read = ReadRule(r);
        if (read.problem != ReminderProblem::None) {
            bad.push_back({i, read.problem});
            continue;
        }
        watches_.push_back(
            {i, r.Clock,
             ReminderWatch(read.rule, WallOf(now, r.Clock), now.utc, ParseFired(r.Fired))});
    }
    if (options.WorkEnd && workEnd) {
        const ReminderRule rule{*workEnd / 60, *workEnd % 60, EveryDay, {}};
        // Only from now on: a working day that ended before the start is no news.
        const Seconds wall = WallOf(now, workClock);
        workEnd_ = Watch{0, workClock, ReminderWatch(rule, wall, now.utc, wall)};
    }
    if (options.Chime != ChimeMode::Off) {
        const auto from = ParseClockTime(options.QuietFrom), to = ParseClockTime(options.QuietTo);
        const Seconds step = options.Chime == ChimeMode::HalfHourly ? 1800 : 3600;
        chime_ = Chime{options.ChimeClock,
                       step,
                       from.value_or(0),
                       to.value_or(0),
                       WallOf(now, options.ChimeClock),
                       now.utc};
    }
    return bad;
}

std::vector<ToTell> ReminderBoard::Tick(const TickWalls& now) {
    std::vector<ToTell> told;
    for (Watch& w : watches_) {
        if (const auto firing = w.watch.Tick(WallOf(now, w.clock), now.utc))
            told.push_back({Telling::Reminder, w.index, firing->due, firing->missed, false});
    }
    for (auto s = snoozes_.begin(); s != snoozes_.end();) {
        if (WallOf(now, s->clock) >= s->due) {
            told.push_back(s->told);
            s = snoozes_.erase(s);
        } else {
            ++s;
        }
    }
    if (workEnd_) {
        if (const auto firing = workEnd_->watch.Tick(WallOf(now, workEnd_->clock), now.utc))
            told.push_back({Telling::WorkEnd, 0, firing->due, firing->missed, false});
    }
    if (chime_) {
        // A full (or half) hour the wall clock has just passed, second by
        // second: not after sleep, nor when the clock is set, nor in the
        // repeated hour, and not within quiet hours.
        const Seconds wall = WallOf(now, chime_->clock);
        const bool steady = now.utc - chime_->lastUtc <= 2 && wall > chime_->lastWall;
        const Seconds mark = FloorDiv(wall, chime_->step) * chime_->step;
        if (steady && mark > chime_->lastWall) {
            const int minuteOfDay = static_cast<int>((mark - FloorDiv(mark, 86'400) * 86'400) / 60);
            if (!InQuietHours(minuteOfDay, chime_->quietFrom, chime_->quietTo))
                told.push_back({Telling::Chime, 0, mark, false, false});
        }
        chime_->lastWall = std::max(chime_->lastWall, wall);
        chime_->lastUtc = now.utc;
    }
    return told;
}

Text BadRemindersMessage(const std::vector<BadReminder>& bad) {
    Text message;
    for (const BadReminder& b : bad) {
        const char* what = "音";
        switch (b.problem) {
        case ReminderProblem::Time:
            what = "時刻";
            break;
        case ReminderProblem::Days:
            what = "曜日";
            break;
        case ReminderProblem::Date:
            what = "日付";
            break;
        case ReminderProblem::Clock:
            what = "時計";
            break;
        case ReminderProblem::Sound:
        case ReminderProblem::None:
            break;
        }
        message +=
            "リマインダー " + std::to_string(b.index + 1) + " の" + what + "が正しくありません\r\n";
    }
    // The error box ends the text with a full stop of its own.
    return message + "これらのリマインダーはオフにしました";
}

void ReminderBoard::Snooze(const ToTell& told, const TickWalls& now) {
    const auto watched = std::find_if(watches_.begin(), watches_.end(),
                                      [&](const Watch& w) { return w.index == told.index; });
    const ReminderClock clock = told.what == Telling::WorkEnd && workEnd_ ? workEnd_->clock
                                : watched != watches_.end()               ? watched->clock
                                                                          : ReminderClock::Left;
    ToTell again = told;
    again.snoozed = true;
    again.missed = false;
    snoozes_.push_back({again, clock, WallOf(now, clock) + SnoozeSeconds});
}

} // namespace velmora
