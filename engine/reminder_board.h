#pragma once
// Everything the clock tells the user of, followed from tick to tick: the
// reminders, the end of working hours and the chime. Idle when none is set,
// so that the tick does nothing more than before.
#include <array>
#include <optional>
#include <vector>

#include "engine/reminder.h"

namespace velmora {

enum class Telling { Reminder, WorkEnd, Chime };

struct ToTell {
    Telling what = Telling::Reminder;
    std::size_t index = 0; // the reminder's slot
    Seconds due = 0;       // on the wall of the clock it follows
    bool missed = false;
    bool snoozed = false;
};

// A reminder the board could not follow: reported once, then switched off.
struct BadReminder {
    std::size_t index = 0;
    ReminderProblem problem{};
};

// The two clocks' wall times and UTC, in seconds, of one tick.
struct TickWalls {
    std::array<Seconds, 2> wall{}; // left, right
    Seconds utc = 0;
};

// One line a reminder, in the error box's words.
Text BadRemindersMessage(const std::vector<BadReminder>& bad);

class ReminderBoard {
  public:
    static constexpr Seconds SnoozeSeconds = 5 * 60;

    // Starts following the reminders that are on and readable, the end of
    // working hours (`workEnd`: minutes of the day on `workClock`) and the
    // chime. Returns the reminders that are on but cannot be read.
    std::vector<BadReminder> Load(const std::array<ReminderSettings, MaxReminders>& reminders,
                                  const ReminderOptions& options, std::optional<int> workEnd,
                                  ReminderClock workClock, const TickWalls& now);
    bool Idle() const { return watches_.empty() && snoozes_.empty() && !chime_ && !workEnd_; }

    std::vector<ToTell> Tick(const TickWalls& now);
    // Tells the reminder in `index` again five minutes from now on its clock.
    void Snooze(const ToTell& told, const TickWalls& now);

  private:
    struct Watch {
        std::size_t index;
        ReminderClock clock;
        ReminderWatch watch;
    };
    struct Snoozed {
        ToTell told;
        ReminderClock clock;
        Seconds due;
    };
    struct Chime {
        ReminderClock clock;
        Seconds step; // an hour or half an hour
        int quietFrom, quietTo;
        Seconds lastWall, lastUtc;
    };

    std::vector<Watch> watches_;
    std::vector<Snoozed> snoozes_;
    std::optional<Watch> workEnd_;
    std::optional<Chime> chime_;
};

} // namespace velmora
