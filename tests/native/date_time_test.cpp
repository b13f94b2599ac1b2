#include "engine/date_time.h"

#include <cmath>
#include <limits>
#include <tuple>

#include <gtest/gtest.h>

namespace velmora {
namespace {

using namespace std::chrono;

struct Expected {
    DateTime value;
    year_month_day date;
    int dayOfWeek, hour, minute, second, millisecond;
};

void ExpectDecoded(const Expected& e) {
    const DecodedDateTime d = DecodeDateTime(e.value);
    EXPECT_EQ(d.date, e.date) << e.value;
    EXPECT_EQ(std::tuple(d.dayOfWeek, d.hour, d.minute, d.second, d.millisecond),
              std::tuple(e.dayOfWeek, e.hour, e.minute, e.second, e.millisecond))
        << e.value;
}

TEST(DecodeDateTime, SplitsDayNumberAndTimeOfDay) {
    const Expected cases[] = {
        {0.0, year{1899} / December / 30, 7, 0, 0, 0, 0},   // a Saturday
        {40269.75, year{2010} / April / 1, 5, 18, 0, 0, 0}, // a Thursday
        {2.0 + 1.0 / 86'400'000, year{1900} / January / 1, 2, 0, 0, 0, 1},
        {1.0 - 0.4 / 86'400'000, year{1899} / December / 31, 1, 0, 0, 0, 0},
        {1.0 - 0.6 / 86'400'000, year{1899} / December / 30, 7, 23, 59, 59, 999},
        // Before day 0 the time of day still counts from midnight.
        {-0.25, year{1899} / December / 29, 6, 18, 0, 0, 0},
        {-693'593.0, year{1} / January / 1, 2, 0, 0, 0, 0},
    };
    for (const Expected& e : cases)
        ExpectDecoded(e);
}

TEST(DecodeDateTime, ClampsWhatNoCalendarYearHolds) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(DecodeDateTime(std::nan("")).date, year{1899} / December / 30);
    const DecodedDateTime high = DecodeDateTime(inf);
    EXPECT_EQ(high.date, year::max() / December / 31);
    EXPECT_EQ(high.hour * 1000 + high.millisecond, 23'999);
    EXPECT_EQ(DecodeDateTime(1e300).date, high.date);
    const DecodedDateTime low = DecodeDateTime(-inf);
    EXPECT_EQ(low.date, year::min() / January / 1);
    EXPECT_EQ(low.hour, 0);
    EXPECT_EQ(DecodeDateTime(-1e300).date, low.date);
}

TEST(EncodeDateTime, IsTheInverseOfDecode) {
    EXPECT_EQ(EncodeDateTime(year{2010} / April / 1, 18), 40269.75);
    // A day past the month's end runs on into the next month.
    EXPECT_EQ(EncodeDateTime(year{2010} / February / 29), EncodeDateTime(year{2010} / March / 1));
    for (Expected e : {Expected{0, year{2026} / December / 7, 2, 23, 59, 59, 999},
                       Expected{0, year{2000} / February / 29, 3, 12, 0, 0, 1},
                       Expected{0, year{1899} / December / 29, 6, 6, 30, 0, 0}}) {
        e.value = EncodeDateTime(e.date, e.hour, e.minute, e.second, e.millisecond);
        ExpectDecoded(e);
    }
}

TEST(ClockSeed, IsTheMillisecondCountReducedToThirtyTwoBits) {
    const auto count = [](year_month_day date, std::int64_t ms) {
        const std::int64_t days = (sys_days{date} - sys_days{year{1899} / December / 30}).count();
        return static_cast<std::uint32_t>(days * 86'400'000 + ms);
    };
    const std::pair<DateTime, std::uint32_t> cases[] = {
        {EncodeDateTime(year{2026} / December / 8, 6, 0, 0, 123),
         count(year{2026} / December / 8, 6 * 3'600'000 + 123)},
        {EncodeDateTime(year{9999} / December / 31, 23, 59, 59, 999),
         count(year{9999} / December / 31, 86'399'999)},
        {0.0, 0},
        {-0.25, count(year{1899} / December / 29, 18 * 3'600'000)},
        {std::nan(""), 0},
        {std::numeric_limits<double>::infinity(), count(year::max() / December / 31, 86'399'999)},
    };
    for (const auto& [value, seed] : cases)
        EXPECT_EQ(ClockSeed(value), seed) << value;
}

} // namespace
} // namespace velmora
