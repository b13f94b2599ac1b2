#include "engine/date_time.h"

#include <cmath>
#include <cstdint>

namespace velmora {

namespace {

using namespace std::chrono;

constexpr std::int64_t MsPerDay = 86'400'000;

// Day 0 of the clock's values.
constexpr sys_days Epoch = sys_days{year{1899} / December / 30};

// The first and last day std::chrono::year can hold, as day numbers.
constexpr std::int64_t FirstDay = (sys_days{year::min() / January / 1} - Epoch).count();
constexpr std::int64_t LastDay = (sys_days{year::max() / December / 31} - Epoch).count();

// Milliseconds since day 0, rounded to the nearest and kept inside the
// years std::chrono can hold; NaN is day 0.
std::int64_t RoundedMilliseconds(DateTime value) {
    if (std::isnan(value))
        return 0;
    const double ms = std::round(value * MillisecondsPerDay);
    constexpr double lowest = static_cast<double>(FirstDay * MsPerDay);
    constexpr double highest = static_cast<double>(LastDay * MsPerDay + MsPerDay - 1);
    if (ms <= lowest)
        return FirstDay * MsPerDay;
    if (ms >= highest)
        return LastDay * MsPerDay + MsPerDay - 1;
    return static_cast<std::int64_t>(ms);
}

} // namespace

DecodedDateTime DecodeDateTime(DateTime value) {
    const std::int64_t ms = RoundedMilliseconds(value);
    // Floor division, so that a value before day 0 still has its time of
    // day counted forward from midnight: -0.25 is 1899-12-29 18:00.
    std::int64_t day = ms / MsPerDay;
    std::int64_t timeOfDay = ms % MsPerDay;
    if (timeOfDay < 0) {
        timeOfDay += MsPerDay;
        --day;
    }
    const sys_days date = Epoch + days{day};

    DecodedDateTime result;
    result.date = year_month_day{date};
    result.dayOfWeek = static_cast<int>(weekday{date}.c_encoding()) + 1;
    result.hour = static_cast<int>(timeOfDay / 3'600'000);
    result.minute = static_cast<int>(timeOfDay / 60'000 % 60);
    result.second = static_cast<int>(timeOfDay / 1'000 % 60);
    result.millisecond = static_cast<int>(timeOfDay % 1'000);
    return result;
}

std::uint32_t ClockSeed(DateTime value) {
    // Today's count is about 4e12, far beyond 32 bits: it is reduced as an
    // integer, since converting such a double to 32 bits is undefined.
    return static_cast<std::uint32_t>(RoundedMilliseconds(value));
}

DateTime EncodeDateTime(std::chrono::year_month_day date, int hour, int minute, int second,
                        int millisecond) {
    // Counted from the first of the month so that a day past the month's
    // end runs on into the next month instead of being unspecified.
    const year_month firstMonth = date.year() / January;
    const year_month month = firstMonth + months{static_cast<int>(unsigned{date.month()}) - 1};
    const sys_days day = sys_days{month / 1} + days{static_cast<int>(unsigned{date.day()}) - 1};
    const std::int64_t timeOfDay = std::int64_t{hour} * 3'600'000 + std::int64_t{minute} * 60'000 +
                                   std::int64_t{second} * 1'000 + millisecond;
    return static_cast<double>((day - Epoch).count()) +
           static_cast<double>(timeOfDay) / MillisecondsPerDay;
}

} // namespace velmora
