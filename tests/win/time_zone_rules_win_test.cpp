#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/format_pattern.h"
#include "engine/text_win.h"
#include "engine/time_zone_rules_win.h"

namespace velmora {
namespace {

using namespace std::chrono;

DateTime Utc(int y, unsigned mo, unsigned d, int h, int mi = 0, int s = 0) {
    return EncodeDateTime(year{y} / month{mo} / day{d}, h, mi, s);
}

Text Show(std::optional<DateTime> value) {
    if (!value)
        return "none";
    return FromWide(ToWindowsText(
        FormatPattern("yyyy/mm/dd hh:nn:ss", *value, TFormatSettings{}, PcLocaleFacts{})));
}

TEST(Win32TimeZoneRules, ConvertsWithTheSystemsRulesForTheYear) {
    const Win32TimeZoneRules zones;
    const struct {
        const char* zone;
        DateTime utc;
        const char* expected;
    } cases[] = {
        {"Central Standard Time", Utc(2026, 1, 15, 12), "2026/01/15 06:00:00"},
        {"Central Standard Time", Utc(2026, 7, 15, 12), "2026/07/15 07:00:00"},
        // The skipped hour in March and the repeated one in November.
        {"Central Standard Time", Utc(2026, 3, 8, 7, 59, 59), "2026/03/08 01:59:59"},
        {"Central Standard Time", Utc(2026, 3, 8, 8), "2026/03/08 03:00:00"},
        {"Central Standard Time", Utc(2026, 11, 1, 6, 30), "2026/11/01 01:30:00"},
        {"Central Standard Time", Utc(2026, 11, 1, 7, 30), "2026/11/01 01:30:00"},
        {"Nepal Standard Time", Utc(2026, 1, 15, 12), "2026/01/15 17:45:00"},
        {"Nepal Standard Time", Utc(2026, 7, 15, 12), "2026/07/15 17:45:00"},
        {"India Standard Time", Utc(2026, 7, 15, 12), "2026/07/15 17:30:00"},
        {"Tokyo Standard Time", Utc(2026, 1, 15, 12), "2026/01/15 21:00:00"},
        {"Tokyo Standard Time", Utc(2026, 7, 15, 12), "2026/07/15 21:00:00"},
        // Into the next year, whose rules apply there.
        {"Tokyo Standard Time", Utc(2026, 12, 31, 20), "2027/01/01 05:00:00"},
        {"Central Standard Time", Utc(2027, 1, 1, 3, 0, 1), "2026/12/31 21:00:01"},
        {"Nowhere Standard Time", Utc(2026, 1, 15, 12), "none"},
        {"tokyo standard time", Utc(2026, 1, 15, 12), "none"}, // keys as the list gives them
        {"", Utc(2026, 1, 15, 12), "none"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Show(zones.ToZoneTime(c.zone, c.utc)), c.expected)
            << c.zone << ' ' << Show(c.utc);
}

TEST(Win32TimeZoneRules, KeepsTheMillisecondsOfTheInstant) {
    const Win32TimeZoneRules zones;
    const DateTime utc = EncodeDateTime(year{2026} / 7 / 15, 12, 0, 7, 250);
    const auto tokyo = zones.ToZoneTime("Tokyo Standard Time", utc);
    ASSERT_TRUE(tokyo);
    EXPECT_EQ(DecodeDateTime(*tokyo).millisecond, 250);
    EXPECT_EQ(DecodeDateTime(*tokyo).second, 7);
}

TEST(Win32TimeZoneRules, ListsEveryZoneWithANameFromWestToEast) {
    const Win32TimeZoneRules zones;
    const std::vector<TimeZoneEntry> list = zones.Zones();
    ASSERT_GT(list.size(), 50u);
    for (const TimeZoneEntry& zone : list) {
        EXPECT_FALSE(zone.KeyName.empty());
        EXPECT_FALSE(zone.DisplayName.empty()) << zone.KeyName;
        EXPECT_TRUE(zones.ToZoneTime(zone.KeyName, Utc(2026, 1, 15, 12))) << zone.KeyName;
    }
    const auto position = [&](const char* key) {
        return std::find_if(list.begin(), list.end(),
                            [&](const TimeZoneEntry& zone) { return zone.KeyName == key; }) -
               list.begin();
    };
    const auto central = position("Central Standard Time");
    const auto nepal = position("Nepal Standard Time");
    const auto tokyo = position("Tokyo Standard Time");
    ASSERT_LT(tokyo, static_cast<std::ptrdiff_t>(list.size()));
    EXPECT_LT(central, nepal);
    EXPECT_LT(nepal, tokyo);
    EXPECT_NE(list[static_cast<std::size_t>(central)].DisplayName.find("06:00"), Text::npos);
    // Asked again, the same list.
    EXPECT_EQ(zones.Zones(), list);
}

} // namespace
} // namespace velmora
