#include "engine/reminder.h"

#include <cstdio>

namespace velmora {
namespace {

bool Digit(char c) {
    return c >= '0' && c <= '9';
}

// `count` digits at `text[at]`.
std::optional<int> Number(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size())
        return std::nullopt;
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (!Digit(text[i]))
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::optional<std::chrono::year_month_day> ParseDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '/' || text[7] != '/')
        return std::nullopt;
    const auto y = Number(text, 0, 4), m = Number(text, 5, 2), d = Number(text, 8, 2);
    if (!y || !m || !d)
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{*y},
                                           std::chrono::month{static_cast<unsigned>(*m)},
                                           std::chrono::day{static_cast<unsigned>(*d)}};
    return date.ok() ? std::optional(date) : std::nullopt;
}

} // namespace

std::optional<int> ParseClockTime(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon != 1 && colon != 2)
        return std::nullopt;
    if (text.size() != colon + 3)
        return std::nullopt;
    const auto hour = Number(text, 0, colon), minute = Number(text, colon + 1, 2);
    if (!hour || !minute || *hour > 23 || *minute > 59)
        return std::nullopt;
    return *hour * 60 + *minute;
}

ReadReminder ReadRule(const ReminderSettings& reminder) {
    ReadReminder read;
    const auto minutes = ParseClockTime(reminder.Time);
    if (!minutes) {
        read.problem = ReminderProblem::Time;
        return read;
    }
    read.rule.hour = *minutes / 60;
    read.rule.minute = *minutes % 60;
    if (reminder.Days < 0 || reminder.Days > EveryDay) {
        read.problem = ReminderProblem::Days;
        return read;
    }
    read.rule.weekDays = static_cast<std::uint8_t>(reminder.Days);
    if (reminder.Days == 0) {
        read.rule.date = ParseDate(reminder.Date);
        if (!read.rule.date)
            read.problem = ReminderProblem::Date;
    }
    if (reminder.Clock != ReminderClock::Left && reminder.Clock != ReminderClock::Right)
        read.problem = ReminderProblem::Clock;
    const bool knownSound = reminder.Sound == ReminderSound::None ||
                            reminder.Sound == ReminderSound::System ||
                            reminder.Sound == ReminderSound::File;
    if (!knownSound || (reminder.Sound == ReminderSound::File && reminder.SoundFile.empty()))
        read.problem = ReminderProblem::Sound;
    return read;
}

std::optional<Seconds> ParseFired(std::string_view text) {
    if (text.size() < 16 || text[10] != ' ')
        return std::nullopt;
    const auto date = ParseDate(text.substr(0, 10));
    const auto minutes = ParseClockTime(text.substr(11));
    if (!date || !minutes)
        return std::nullopt;
    return WholeSeconds(EncodeDateTime(*date, *minutes / 60, *minutes % 60));
}

Text FiredText(Seconds wall) {
    const DecodedDateTime t = DecodeDateTime(static_cast<double>(wall) / 86'400);
    char text[40]; // the widest numbers the types hold
    std::snprintf(text, sizeof text, "%04d/%02u/%02u %02d:%02d", static_cast<int>(t.date.year()),
                  static_cast<unsigned>(t.date.month()), static_cast<unsigned>(t.date.day()),
                  t.hour, t.minute);
    return text;
}

} // namespace velmora
