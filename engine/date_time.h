#pragma once
// The clock's date-time value: days since 1899-12-30 00:00 local time, the
// fraction being the time of day.
#include <chrono>
#include <cstdint>

namespace velmora {

using DateTime = double;

constexpr double MillisecondsPerDay = 86'400'000.0;
constexpr DateTime OneHalfHour = 1.0 / 48.0;

struct DecodedDateTime {
    std::chrono::year_month_day date;
    int dayOfWeek = 1; // 1 = Sunday ... 7 = Saturday
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Rounds to the millisecond before splitting, so a value within half a
// millisecond of midnight is 00:00:00.000 of the next day. Values beyond the
// years std::chrono can hold are clamped to them.
DecodedDateTime DecodeDateTime(DateTime value);

// A seed for a random number generator: the value's whole milliseconds since
// day 0 (rounded and clamped as DecodeDateTime does), kept to their low 32 bits.
std::uint32_t ClockSeed(DateTime value);

DateTime EncodeDateTime(std::chrono::year_month_day date, int hour = 0, int minute = 0,
                        int second = 0, int millisecond = 0);

} // namespace velmora
