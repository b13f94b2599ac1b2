#include "engine/date_time.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace velmora {
namespace {

using namespace std::chrono;

struct Expected {
    DateTime value;
    year_month_day date;
    int dayOfWeek;
    int hour, minute, second, millisecond;
};

void ExpectDecoded(const Expected& e) {
    const DecodedDateTime d = DecodeDateTime(e.value);
    EXPECT_EQ(d.date, e.date) << e.value;
    EXPECT_EQ(d.dayOfWeek, e.dayOfWeek) << e.value;
    EXPECT_EQ(d.hour, e.hour) << e.value;
    EXPECT_EQ(d.minute, e.minute) << e.value;
    EXPECT_EQ(d.second, e.second) << e.value;
    EXPECT_EQ(d.millisecond, e.millisecond) << e.value;
}

TEST(DecodeDateTime, SplitsDayNumberAndTimeOfDay) {
    const Expected cases[] = {
        {0.0, year{1899} / December / 30, 7, 0, 0, 0, 0},   // a Saturday
        {1.0, year{1899} / December / 31, 1, 0, 0, 0, 0},   // a Sunday
        {40269.75, year{2010} / April / 1, 5, 18, 0, 0, 0}, // a Thursday
        {2.0 + 1.0 / 86'400'000, year{1900} / January / 1, 2, 0, 0, 0, 1},
        {1.0 - 0.4 / 86'400'000, year{1899} / December / 31, 1, 0, 0, 0, 0},
        {1.0 - 0.6 / 86'400'000, year{1899} / December / 30, 7, 23, 59, 59, 999},
        // Before day 0 the time of day still counts from midnight.
        {-0.25, year{1899} / December / 29, 6, 18, 0, 0, 0},
        {-1.0, year{1899} / December / 29, 6, 0, 0, 0, 0},
        {-693'593.0, year{1} / January / 1, 2, 0, 0, 0, 0},
    };
    for (const Expected& e : cases)
        ExpectDecoded(e);
}

TEST(DecodeDateTime, ClampsWhatNoCalendarYearHolds) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const DecodedDateTime nan = DecodeDateTime(std::nan(""));
    EXPECT_EQ(nan.date, year{1899} / December / 30);

    const DecodedDateTime high = DecodeDateTime(inf);
    EXPECT_EQ(high.date, year::max() / December / 31);
    EXPECT_EQ(high.hour, 23);
    EXPECT_EQ(high.millisecond, 999);
    EXPECT_EQ(DecodeDateTime(1e300).date, high.date);

    const DecodedDateTime low = DecodeDateTime(-inf);
    EXPECT_EQ(low.date, year::min() / January / 1);
    EXPECT_EQ(low.hour, 0);
    EXPECT_EQ(DecodeDateTime(-1e300).date, low.date);
}

TEST(EncodeDateTime, IsTheInverseOfDecode) {
    EXPECT_EQ(EncodeDateTime(year{1899} / December / 30), 0.0);
    EXPECT_EQ(EncodeDateTime(year{2010} / April / 1), 40269.0);
    EXPECT_EQ(EncodeDateTime(year{2010} / April / 1, 18), 40269.75);
    // A day past the month's end runs on into the next month.
    EXPECT_EQ(EncodeDateTime(year{2010} / February / 29), EncodeDateTime(year{2010} / March / 1));

    const Expected roundTrips[] = {
        {0, year{2026} / December / 7, 2, 23, 59, 59, 999},
        {0, year{2000} / February / 29, 3, 12, 0, 0, 1},
        {0, year{1868} / January / 1, 4, 0, 0, 0, 0},
        {0, year{1899} / December / 29, 6, 6, 30, 0, 0},
    };
    for (Expected e : roundTrips) {
        e.value = EncodeDateTime(e.date, e.hour, e.minute, e.second, e.millisecond);
        ExpectDecoded(e);
    }
}

} // namespace
} // namespace velmora
