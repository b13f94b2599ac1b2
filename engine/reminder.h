#pragma once
// Reminders and the hourly chime as the settings file keeps them, and what
// their texts mean once read.
#include <cstdint>
#include <optional>

#include "engine/reminder_schedule.h"
#include "engine/text.h"

namespace velmora {

enum class ReminderClock : std::int32_t { Left = 0, Right = 1 };
enum class ReminderSound : std::int32_t { None = 0, System = 1, File = 2 };
enum class ChimeMode : std::int32_t { Off = 0, Hourly = 1, HalfHourly = 2 };

constexpr std::size_t MaxReminders = 20;

// One reminder. Its texts stay as the file gives them: a bad one is reported
// and its reminder switched off, but nothing the user wrote is lost.
struct ReminderSettings {
    bool On = false;
    ReminderClock Clock{};
    Text Time;                    // "hh:mm" on the chosen clock; empty: the slot holds no reminder
    std::int32_t Days = EveryDay; // bit 0 Sunday ... bit 6 Saturday; 0: once, on Date
    Text Date;                    // "yyyy/mm/dd"
    Text Message;                 // code page 932, as every text of the file
    ReminderSound Sound = ReminderSound::System;
    Text SoundFile;
    Text Fired; // the occurrence that fired last, "yyyy/mm/dd hh:mm"

    bool operator==(const ReminderSettings&) const = default;
};

// What the section keeps besides the reminders.
struct ReminderOptions {
    bool WorkEnd = false; // remind when the progress clock reaches the end time
    ChimeMode Chime{};
    ReminderClock ChimeClock{};
    Text QuietFrom; // "hh:mm"; equal ends: no quiet hours
    Text QuietTo;

    bool operator==(const ReminderOptions&) const = default;
};

enum class ReminderProblem { None, Time, Days, Date, Clock, Sound };

struct ReadReminder {
    ReminderRule rule;
    ReminderProblem problem = ReminderProblem::None;
};

// "h:mm" or "hh:mm", 00:00 to 23:59, as minutes of the day.
std::optional<int> ParseClockTime(std::string_view text);
ReadReminder ReadRule(const ReminderSettings& reminder);

// The last firing as the file keeps it, and back.
std::optional<Seconds> ParseFired(std::string_view text);
Text FiredText(Seconds wall);

} // namespace velmora
