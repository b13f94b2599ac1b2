#pragma once
// When reminders fall due on the wall time of the clock they follow, and the
// hourly chime's quiet hours. Times are whole seconds of that clock's wall
// time; the real time between ticks (UTC) tells a jump of the wall clock
// (daylight saving, the clock set, sleep) from time passing.
#include <chrono>
#include <cstdint>
#include <optional>

#include "engine/date_time.h"

namespace velmora {

// Seconds since 1899-12-30 00:00, on one clock's wall or in UTC.
using Seconds = std::int64_t;

Seconds WholeSeconds(DateTime value);

// When a reminder repeats: on the days of `weekDays` (bit 0 Sunday ... bit 6
// Saturday), or, with no day, once on `date`.
struct ReminderRule {
    int hour = 0;
    int minute = 0;
    std::uint8_t weekDays = 0;
    std::optional<std::chrono::year_month_day> date;
};

constexpr std::uint8_t EveryDay = 0x7F;

// The first occurrence strictly after `after`; nothing when the rule has
// none left (a date gone by, or neither days nor a date).
std::optional<Seconds> NextOccurrence(const ReminderRule& rule, Seconds after);

struct Firing {
    Seconds due = 0;     // the occurrence, on the clock's wall
    bool missed = false; // its time passed while the computer slept, the
                         // clock was set forward or the program was not running
};

// Follows one reminder from tick to tick: each occurrence fires once, at the
// first tick whose wall time has reached it.
class ReminderWatch {
  public:
    // Occurrences more than this before the start are forgotten.
    static constexpr Seconds StartLookBack = 12 * 3600;

    // `lastFired`: the occurrence that fired last, as the settings keep it.
    ReminderWatch(const ReminderRule& rule, Seconds wallNow, Seconds utcNow,
                  std::optional<Seconds> lastFired);

    std::optional<Firing> Tick(Seconds wallNow, Seconds utcNow);
    std::optional<Seconds> NextDue() const { return nextDue_; }

  private:
    ReminderRule rule_;
    std::optional<Seconds> nextDue_;
    Seconds lastUtc_ = 0;
    bool started_ = false;
};

// Whether a minute of the day (0..1439) lies within quiet hours from `from`
// up to `to` (exclusive), which cross midnight when `to` comes before
// `from`; equal ends mean no quiet hours.
bool InQuietHours(int minuteOfDay, int from, int to);

} // namespace velmora
