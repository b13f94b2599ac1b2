#include "engine/reminder_schedule.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

constexpr Seconds SecondsPerDay = 86'400;
// Day 0 of DateTime, 1899-12-30, in the days of std::chrono's calendar.
constexpr std::chrono::sys_days DayZero =
    std::chrono::sys_days{std::chrono::year{1899} / std::chrono::December / 30};

Seconds FloorDiv(Seconds a, Seconds b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

std::chrono::sys_days DayOf(Seconds wall) {
    return DayZero + std::chrono::days{FloorDiv(wall, SecondsPerDay)};
}

Seconds StartOf(std::chrono::sys_days day) {
    return static_cast<Seconds>((day - DayZero).count()) * SecondsPerDay;
}

// A tick that comes this much real time after the one before it follows a
// sleep, a stalled program or a clock set forward: what falls due then is
// late.
constexpr Seconds OnTimeGap = 2;

} // namespace

Seconds WholeSeconds(DateTime value) {
    return static_cast<Seconds>(std::floor(value * SecondsPerDay + 0.0005));
}

std::optional<Seconds> NextOccurrence(const ReminderRule& rule, Seconds after) {
    const Seconds timeOfDay = (rule.hour * 60 + rule.minute) * Seconds{60};
    if (rule.weekDays == 0) {
        if (!rule.date || !rule.date->ok())
            return std::nullopt;
        const Seconds at = StartOf(std::chrono::sys_days{*rule.date}) + timeOfDay;
        return at > after ? std::optional<Seconds>(at) : std::nullopt;
    }
    // Within eight days every weekday comes round, today's included.
    for (std::chrono::sys_days day = DayOf(after), last = day + std::chrono::days{8}; day <= last;
         day += std::chrono::days{1}) {
        const unsigned weekday = std::chrono::weekday{day}.c_encoding(); // 0 = Sunday
        const Seconds at = StartOf(day) + timeOfDay;
        if ((rule.weekDays >> weekday & 1u) && at > after)
            return at;
    }
    return std::nullopt;
}

ReminderWatch::ReminderWatch(const ReminderRule& rule, Seconds wallNow, Seconds utcNow,
                             std::optional<Seconds> lastFired)
    : rule_(rule), lastUtc_(utcNow) {
    // What fell due while the program was not running fires once, late,
    // unless it is older than the look-back or has already fired.
    Seconds after = wallNow - StartLookBack - 1;
    if (lastFired)
        after = std::max(after, *lastFired);
    nextDue_ = NextOccurrence(rule_, after);
}

std::optional<Firing> ReminderWatch::Tick(Seconds wallNow, Seconds utcNow) {
    const bool jumped = !started_ || utcNow - lastUtc_ > OnTimeGap;
    started_ = true;
    lastUtc_ = utcNow;
    if (!nextDue_ || wallNow < *nextDue_)
        return std::nullopt;
    // A wall time that does not exist (the hour skipped when daylight saving
    // starts) fires at the first second after it, and on time; a time the
    // wall clock repeats (the hour when it ends, or the clock set back) has
    // fired already, as the next occurrence lies beyond it.
    const Firing firing{*nextDue_, jumped && wallNow - *nextDue_ >= OnTimeGap};
    // Several occurrences passed in one jump fire once.
    nextDue_ = NextOccurrence(rule_, std::max(*nextDue_, wallNow));
    return firing;
}

bool InQuietHours(int minuteOfDay, int from, int to) {
    if (from == to)
        return false;
    if (from < to)
        return from <= minuteOfDay && minuteOfDay < to;
    return minuteOfDay >= from || minuteOfDay < to;
}

} // namespace velmora
