#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

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
        // Fiji kept summer time in 2021's rules but not in 2022's: the new
        // year's first hour, in the new year's rules.
        {"Fiji Standard Time", Utc(2021, 12, 31, 12), "2022/01/01 00:00:00"},
        {"Nowhere Standard Time", Utc(2026, 1, 15, 12), "none"},
        {"tokyo standard time", Utc(2026, 1, 15, 12), "none"}, // keys as the list gives them
        {"", Utc(2026, 1, 15, 12), "none"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Show(zones.ToZoneTime(c.zone, c.utc)), c.expected)
            << c.zone << ' ' << Show(c.utc);
}

// ---- Against the system, for the zones whose rules change from year to year --

struct SystemZone {
    std::wstring key;
    std::map<int, TIME_ZONE_INFORMATION> rules; // by year
};

bool SameRules(const TIME_ZONE_INFORMATION& a, const TIME_ZONE_INFORMATION& b) {
    const auto same = [](const SYSTEMTIME& x, const SYSTEMTIME& y) {
        return std::memcmp(&x, &y, sizeof x) == 0;
    };
    return a.Bias == b.Bias && a.StandardBias == b.StandardBias &&
           a.DaylightBias == b.DaylightBias && same(a.StandardDate, b.StandardDate) &&
           same(a.DaylightDate, b.DaylightDate);
}

// Every zone the system enumerates whose rules differ in some year of
// 1969-2041 from the next year's.
std::vector<SystemZone> ZonesWithChangingRules() {
    std::vector<SystemZone> zones;
    DYNAMIC_TIME_ZONE_INFORMATION info{};
    for (DWORD i = 0; EnumDynamicTimeZoneInformation(i, &info) == ERROR_SUCCESS; ++i) {
        SystemZone zone{info.TimeZoneKeyName, {}};
        bool changes = false;
        for (int year = 1969; year <= 2041; ++year) {
            TIME_ZONE_INFORMATION rules{};
            if (!GetTimeZoneInformationForYear(static_cast<USHORT>(year), &info, &rules))
                break;
            zone.rules[year] = rules;
            changes = changes || (year > 1969 && !SameRules(zone.rules[year - 1], rules));
        }
        if (changes && zone.rules.size() == 73)
            zones.push_back(std::move(zone));
    }
    return zones;
}

std::optional<SYSTEMTIME> LocalTime(const TIME_ZONE_INFORMATION& rules, const SYSTEMTIME& utc) {
    SYSTEMTIME local{};
    if (!SystemTimeToTzSpecificLocalTime(&rules, &utc, &local))
        return std::nullopt;
    return local;
}

// What the system gives with the rules of the local year: the conversion
// with some year's rules that lands in that year. Nothing where no year's
// rules, or two years' rules with different results, do.
std::optional<SYSTEMTIME> LocalYearConversion(const SystemZone& zone, const SYSTEMTIME& utc) {
    std::optional<SYSTEMTIME> found;
    for (int year = utc.wYear - 1; year <= utc.wYear + 1; ++year) {
        const auto local = LocalTime(zone.rules.at(year), utc);
        if (!local || local->wYear != year)
            continue;
        if (found && std::memcmp(&*found, &*local, sizeof *local) != 0)
            return std::nullopt;
        found = local;
    }
    return found;
}

SYSTEMTIME Shifted(const SYSTEMTIME& start, long long minutes) {
    FILETIME file{};
    SystemTimeToFileTime(&start, &file);
    ULARGE_INTEGER ticks{{file.dwLowDateTime, file.dwHighDateTime}};
    ticks.QuadPart += static_cast<ULONGLONG>(minutes * 60 * 10'000'000LL);
    file = {ticks.LowPart, ticks.HighPart};
    SYSTEMTIME shifted{};
    FileTimeToSystemTime(&file, &shifted);
    return shifted;
}

DateTime FromSystemTime(const SYSTEMTIME& s) {
    return EncodeDateTime(year{s.wYear} / month{s.wMonth} / day{s.wDay}, s.wHour, s.wMinute,
                          s.wSecond);
}

// Every hour within 14 hours of each New Year whose two years' rules
// differ, and the 15th of every third month at noon, 1970-2040.
TEST(Win32TimeZoneRules, AgreesWithTheSystemsLocalYearRulesFrom1970To2040) {
    const Win32TimeZoneRules zones;
    const std::vector<SystemZone> changing = ZonesWithChangingRules();
    ASSERT_FALSE(changing.empty());
    int compared = 0, utcYearRulesDiffer = 0;
    for (const SystemZone& zone : changing) {
        const Text key = FromWide(zone.key);
        const auto check = [&](const SYSTEMTIME& utc) {
            const auto expected = LocalYearConversion(zone, utc);
            if (!expected)
                return;
            ++compared;
            const auto utcYear = LocalTime(zone.rules.at(utc.wYear), utc);
            if (!utcYear || std::memcmp(&*utcYear, &*expected, sizeof *expected) != 0)
                ++utcYearRulesDiffer;
            EXPECT_EQ(Show(zones.ToZoneTime(key, FromSystemTime(utc))),
                      Show(FromSystemTime(*expected)))
                << key << " at " << Show(FromSystemTime(utc)) << " UTC";
        };
        for (int y = 1970; y <= 2040; ++y) {
            for (WORD m = 1; m <= 12; m += 3)
                check(SYSTEMTIME{static_cast<WORD>(y), m, 0, 15, 12, 0, 0, 0});
            if (y == 2040 || SameRules(zone.rules.at(y), zone.rules.at(y + 1)))
                continue;
            const SYSTEMTIME newYear{static_cast<WORD>(y + 1), 1, 0, 1, 0, 0, 0, 0};
            for (long long minutes = -14 * 60; minutes <= 14 * 60; minutes += 60)
                check(Shifted(newYear, minutes));
        }
    }
    // The sweep reaches the instants where the UTC year's rules alone are wrong.
    EXPECT_GT(utcYearRulesDiffer, 0) << compared;
    std::printf("%zu zones, %d instants, %d of them where the UTC year's rules differ\n",
                changing.size(), compared, utcYearRulesDiffer);
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
