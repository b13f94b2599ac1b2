#include "engine/side_time.h"

#include <gtest/gtest.h>

#include "tests/native/shown_text.h"

#include "engine/format_pattern.h"
#include "tests/native/fake_time_zone_rules.h"

namespace velmora {
namespace {

using namespace std::chrono;

DateTime Utc(int y, unsigned mo, unsigned d, int h, int mi, int s = 0) {
    return EncodeDateTime(year{y} / month{mo} / day{d}, h, mi, s);
}

// A computer on Tokyo time, nine hours ahead of UTC all year.
ClockReading TokyoPcAt(DateTime utc) {
    return {utc + 9 / 24.0, utc};
}

Text Show(DateTime value) {
    return AsciiOf(FormatPattern("yyyy/mm/dd hh:nn:ss", value, TFormatSettings{}, PcLocaleFacts{}));
}

ClockSide SideWith(const char* zone, std::int32_t diffIndex) {
    ClockSide side;
    side.TimeZone = zone;
    side.DiffIndex = diffIndex;
    return side;
}

TEST(SideTimeAt, FollowsTheZonesDaylightSavingAcrossBothTransitions) {
    const FakeTimeZoneRules zones;
    // The stored offset (15 hours behind Tokyo) would be right only in winter.
    const ClockSide central = SideWith(FakeTimeZoneRules::UsCentral, 77);
    const struct {
        DateTime utc;
        const char* expected;
    } cases[] = {
        {Utc(2026, 1, 15, 12, 0), "2026/01/15 06:00:00"},
        {Utc(2026, 7, 15, 12, 0), "2026/07/15 07:00:00"},
        // Spring: 02:00 to 02:59 never happen.
        {Utc(2026, 3, 8, 7, 59, 59), "2026/03/08 01:59:59"},
        {Utc(2026, 3, 8, 8, 0), "2026/03/08 03:00:00"},
        // Autumn: 01:00 to 01:59 happen twice, an hour apart in UTC.
        {Utc(2026, 11, 1, 6, 30), "2026/11/01 01:30:00"},
        {Utc(2026, 11, 1, 6, 59, 59), "2026/11/01 01:59:59"},
        {Utc(2026, 11, 1, 7, 0), "2026/11/01 01:00:00"},
        {Utc(2026, 11, 1, 7, 30), "2026/11/01 01:30:00"},
        // The zone's date may be a day behind the computer's.
        {Utc(2026, 12, 31, 20, 0), "2026/12/31 14:00:00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Show(SideTimeAt(central, TokyoPcAt(c.utc), zones)), c.expected) << Show(c.utc);
}

TEST(SideTimeAt, UsesTheFixedOffsetWithoutAZoneOrWithOneTheRulesDoNotKnow) {
    const FakeTimeZoneRules zones;
    const DateTime utc = Utc(2026, 1, 15, 12, 0);
    const ClockReading berlinPc{utc + 1 / 24.0, utc}; // one hour ahead of UTC
    const struct {
        const char* zone;
        std::int32_t diffIndex;
        const char* expected;
    } cases[] = {
        {"", 59, "2026/01/15 07:00:00"},                       // 6 hours behind the PC
        {"", 47, "2026/01/15 13:00:00"},                       // the PC's own time
        {"Atlantis Standard Time", 59, "2026/01/15 07:00:00"}, // unknown: the stored offset
        {"tokyo standard time", 47, "2026/01/15 13:00:00"},    // keys are exact
        {"Tokyo Standard Time", 59, "2026/01/15 21:00:00"},    // the zone, not the offset
        {"Nepal Standard Time", 47, "2026/01/15 17:45:00"},
        {"India Standard Time", 47, "2026/01/15 17:30:00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Show(SideTimeAt(SideWith(c.zone, c.diffIndex), berlinPc, zones)), c.expected)
            << c.zone;
}

TEST(NearestDiffIndex, RoundsToTheNearestHalfHourAndQuarterHoursTowardsThePcsTime) {
    const DateTime pc = Utc(2026, 5, 20, 10, 0);
    const struct {
        double minutesBehind; // how far the zone's clock is behind the computer's
        std::int32_t expected;
    } cases[] = {
        {0, 47},     {30, 48},    {-30, 46},  {14, 47},  {15, 47},
        {16, 48},    {-15, 47},   {-16, 46},  {195, 53}, {-195, 41}, // +9 against +5:45, and back
        {194, 53},   {196, 54},   {210, 54},                         // +9 against +5:30
        {900, 77},   {-600, 27},  {1560, 99}, // beyond the table: kept as it is
        {195.3, 53}, {194.7, 53},             // a fraction of a minute from two readings
    };
    for (const auto& c : cases)
        EXPECT_EQ(NearestDiffIndex(pc, pc - c.minutesBehind / (24 * 60)), c.expected)
            << c.minutesBehind;
}

TEST(DiffIndexToStore, IsTheZonesCurrentOffsetOrTheSidesOwn) {
    const FakeTimeZoneRules zones;
    const struct {
        const char* zone;
        std::int32_t diffIndex;
        DateTime utc;
        std::int32_t expected;
    } cases[] = {
        {FakeTimeZoneRules::UsCentral, 47, Utc(2026, 1, 15, 12, 0), 77}, // 15 hours behind Tokyo
        {FakeTimeZoneRules::UsCentral, 47, Utc(2026, 7, 15, 12, 0), 75}, // 14 in summer
        {"Nepal Standard Time", 47, Utc(2026, 7, 15, 12, 0), 53},
        {"Tokyo Standard Time", 10, Utc(2026, 7, 15, 12, 0), 47},
        {"Atlantis Standard Time", 10, Utc(2026, 7, 15, 12, 0), 10},
        {"", 59, Utc(2026, 7, 15, 12, 0), 59},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DiffIndexToStore(SideWith(c.zone, c.diffIndex), TokyoPcAt(c.utc), zones),
                  c.expected)
            << c.zone << ' ' << Show(c.utc);
}

} // namespace
} // namespace velmora
