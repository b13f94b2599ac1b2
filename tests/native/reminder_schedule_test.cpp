// Reminders on a clock's wall time, second by second: on a fixed offset and
// on a time zone across both daylight-saving changes, through sleep, a clock
// set back and a program started late; and the chime's quiet hours.
#include "engine/reminder_schedule.h"

#include "engine/reminder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/side_time.h"
#include "tests/native/fake_time_zone_rules.h"

namespace velmora {
namespace {

using namespace std::chrono;

Seconds Wall(int y, unsigned mo, unsigned d, int h, int mi, int s = 0) {
    return WholeSeconds(EncodeDateTime(year{y} / month{mo} / day{d}, h, mi, s));
}

std::string Show(Seconds wall) {
    const DecodedDateTime t = DecodeDateTime(static_cast<double>(wall) / 86'400);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d",
                  static_cast<int>(t.date.year()), static_cast<unsigned>(t.date.month()),
                  static_cast<unsigned>(t.date.day()), t.hour, t.minute, t.second);
    return text;
}

TEST(NextOccurrence, DaysDatesMidnightAndYearEnd) {
    constexpr std::uint8_t Weekdays = 0x3E; // Monday to Friday
    const ReminderRule at0930{9, 30, EveryDay, {}};
    const struct {
        ReminderRule rule;
        Seconds after;
        std::string next; // "" for none
    } cases[] = {
        {at0930, Wall(2026, 12, 9, 9, 29, 59), "2026-12-09 09:30:00"},
        {at0930, Wall(2026, 12, 9, 9, 30), "2026-12-10 09:30:00"}, // strictly after
        {at0930, Wall(2026, 12, 31, 23, 59, 59), "2027-01-01 09:30:00"},
        {{0, 0, EveryDay, {}}, Wall(2026, 12, 31, 23, 59, 59), "2027-01-01 00:00:00"},
        {{23, 59, EveryDay, {}}, Wall(2026, 12, 31, 23, 59), "2027-01-01 23:59:00"},
        // 2026-12-11 is a Friday: the weekend is skipped.
        {{9, 30, Weekdays, {}}, Wall(2026, 12, 11, 10, 0), "2026-12-14 09:30:00"},
        {{9, 30, 0x01, {}}, Wall(2026, 12, 13, 9, 30), "2026-12-20 09:30:00"}, // Sundays
        {{9, 30, 0x40, {}}, Wall(2026, 12, 12, 9, 29), "2026-12-12 09:30:00"}, // Saturdays
        {{18, 0, 0, 2027y / 1 / 1}, Wall(2026, 12, 9, 0, 0), "2027-01-01 18:00:00"},
        {{18, 0, 0, 2027y / 1 / 1}, Wall(2027, 1, 1, 18, 0), ""},  // gone by
        {{18, 0, 0, {}}, Wall(2026, 12, 9, 0, 0), ""},             // neither days nor date
        {{18, 0, 0, 2027y / 2 / 30}, Wall(2026, 12, 9, 0, 0), ""}, // no such date
        {{12, 0, 0, 2024y / 2 / 29}, Wall(2024, 2, 28, 12, 0), "2024-02-29 12:00:00"},
    };
    for (const auto& c : cases) {
        const auto next = NextOccurrence(c.rule, c.after);
        EXPECT_EQ(next ? Show(*next) : "", c.next) << Show(c.after);
    }
}

TEST(NextOccurrence, EveryMaskFindsItsFirstDayWithinAWeek) {
    // Each of the 127 masks from every day of a fortnight: the next firing
    // is on a day of the mask, and no day of the mask comes before it.
    for (unsigned mask = 1; mask <= EveryDay; ++mask) {
        for (int d = 0; d < 14; ++d) {
            const Seconds after = Wall(2026, 12, 1, 12, 0) + d * Seconds{86'400};
            const auto next = NextOccurrence({8, 15, static_cast<std::uint8_t>(mask), {}}, after);
            ASSERT_TRUE(next) << mask;
            EXPECT_GT(*next, after);
            EXPECT_LE(*next - after, 7 * Seconds{86'400});
            // Each day's 08:15 from `after` on: the first on a day of the mask is it.
            const Seconds firstDay = after - after % 86'400;
            for (Seconds at = firstDay + (8 * 60 + 15) * 60; at <= *next; at += 86'400) {
                const int weekday = DecodeDateTime(double(at) / 86'400).dayOfWeek - 1;
                if (at > after && (mask >> weekday & 1u)) {
                    EXPECT_EQ(at, *next) << mask << " " << Show(after);
                    break;
                }
            }
        }
    }
}

// A computer on Tokyo time; `side` on a fixed offset or a zone.
struct Simulation {
    const FakeTimeZoneRules zones;
    ClockSide side;
    std::vector<std::string> fired; // "wall due (missed)" at the tick's wall time

    // Ticks once a second from `fromUtc` for `seconds`; a jump of the
    // computer's clock or a sleep is `utcJumps` at a tick number.
    void Tick(ReminderWatch& watch, DateTime fromUtc, Seconds seconds,
              std::vector<std::pair<Seconds, Seconds>> utcJumps = {}) {
        Seconds shift = 0;
        for (Seconds i = 0; i < seconds; ++i) {
            for (const auto& [at, by] : utcJumps)
                if (at == i)
                    shift += by;
            // A quarter of a second into each second, as the tick wakes.
            const DateTime utc = fromUtc + (double(i + shift) + 0.25) / 86'400;
            const Seconds wall = WholeSeconds(SideTimeAt(side, {utc + 9 / 24.0, utc}, zones));
            if (const auto firing = watch.Tick(wall, WholeSeconds(utc)))
                fired.push_back(Show(wall) + " for " + Show(firing->due) +
                                (firing->missed ? " missed" : ""));
        }
    }
    ReminderWatch Start(const ReminderRule& rule, DateTime utc,
                        std::optional<Seconds> lastFired = {}) const {
        return ReminderWatch(rule, WholeSeconds(SideTimeAt(side, {utc + 9 / 24.0, utc}, zones)),
                             WholeSeconds(utc), lastFired);
    }
};

DateTime Utc(int y, unsigned mo, unsigned d, int h, int mi, int s = 0) {
    return EncodeDateTime(year{y} / month{mo} / day{d}, h, mi, s);
}

ClockSide OnZone(const char* zone) {
    ClockSide side;
    side.TimeZone = zone;
    return side;
}
ClockSide OnOffset(std::int32_t diffIndex) {
    ClockSide side;
    side.DiffIndex = diffIndex;
    return side;
}

TEST(ReminderWatch, FiresAtTheExactSecondOnItsOwnClock) {
    // Tokyo itself, and Houston on the fixed winter offset (15 hours behind).
    for (const auto& [side, utcStart, expected] :
         {std::tuple{OnOffset(47), Utc(2026, 12, 9, 0, 0), std::string("2026-12-09 09:30:00")},
          std::tuple{OnOffset(77), Utc(2026, 12, 9, 15, 0), std::string("2026-12-09 09:30:00")}}) {
        Simulation run{{}, side, {}};
        ReminderWatch watch = run.Start({9, 30, EveryDay, {}}, utcStart);
        run.Tick(watch, utcStart, 2 * 86'400);
        ASSERT_EQ(run.fired.size(), 2u);
        EXPECT_EQ(run.fired[0], expected + " for " + expected);
    }
}

TEST(ReminderWatch, DaylightSavingSkipsAndRepeatsAnHourButEachTimeFiresOnce) {
    Simulation run{{}, OnZone(FakeTimeZoneRules::UsCentral), {}};
    // 2027-03-14: 02:00 becomes 03:00 (08:00 UTC); 02:30 does not exist.
    ReminderWatch spring = run.Start({2, 30, EveryDay, {}}, Utc(2027, 3, 13, 6, 0));
    run.Tick(spring, Utc(2027, 3, 13, 6, 0), 3 * 86'400);
    EXPECT_EQ(run.fired,
              (std::vector<std::string>{
                  "2027-03-13 02:30:00 for 2027-03-13 02:30:00",
                  "2027-03-14 03:00:00 for 2027-03-14 02:30:00", // the first second after
                  "2027-03-15 02:30:00 for 2027-03-15 02:30:00"}));
    // 2027-11-07: 02:00 daylight time becomes 01:00 again; 01:30 comes twice.
    run.fired.clear();
    ReminderWatch fall = run.Start({1, 30, EveryDay, {}}, Utc(2027, 11, 6, 5, 0));
    run.Tick(fall, Utc(2027, 11, 6, 5, 0), 3 * 86'400);
    EXPECT_EQ(run.fired, (std::vector<std::string>{"2027-11-06 01:30:00 for 2027-11-06 01:30:00",
                                                   "2027-11-07 01:30:00 for 2027-11-07 01:30:00",
                                                   "2027-11-08 01:30:00 for 2027-11-08 01:30:00"}));
}

TEST(ReminderWatch, SleepFiresOnceLateAndASetBackClockNotAgain) {
    Simulation run{{}, OnOffset(47), {}};
    const DateTime start = Utc(2026, 12, 9, 0, 0); // 09:00 in Tokyo
    // Asleep from 09:10 for three days: three occurrences, one late firing,
    // then that day's on time.
    ReminderWatch slept = run.Start({9, 30, EveryDay, {}}, start);
    run.Tick(slept, start, 3600, {{600, 3 * 86'400}});
    EXPECT_EQ(run.fired,
              (std::vector<std::string>{"2026-12-12 09:10:00 for 2026-12-09 09:30:00 missed",
                                        "2026-12-12 09:30:00 for 2026-12-12 09:30:00"}));
    // Set forward across the time: late too.
    run.fired.clear();
    ReminderWatch forward = run.Start({9, 30, EveryDay, {}}, start);
    run.Tick(forward, start, 3600, {{600, 3600}});
    EXPECT_EQ(run.fired,
              (std::vector<std::string>{"2026-12-09 10:10:00 for 2026-12-09 09:30:00 missed"}));
    // Set back an hour after it fired: 09:30 comes again, without a firing.
    run.fired.clear();
    ReminderWatch back = run.Start({9, 30, EveryDay, {}}, start);
    run.Tick(back, start, 3 * 3600, {{3600, -3600}});
    EXPECT_EQ(run.fired, (std::vector<std::string>{"2026-12-09 09:30:00 for 2026-12-09 09:30:00"}));
}

TEST(ReminderWatch, AtStartUpOnlyTheLastTwelveHoursNotYetFired) {
    Simulation run{{}, OnOffset(47), {}};
    const DateTime start = Utc(2026, 12, 9, 0, 0); // 09:00 in Tokyo
    const struct {
        ReminderRule rule;
        std::optional<Seconds> lastFired;
        std::vector<std::string> fired;
    } cases[] = {
        // 21:30 yesterday, eleven and a half hours ago: late, once.
        {{21, 30, 0, 2026y / 12 / 8}, {}, {"2026-12-09 09:00:00 for 2026-12-08 21:30:00 missed"}},
        // 20:30 yesterday, twelve and a half hours ago: forgotten.
        {{20, 30, 0, 2026y / 12 / 8}, {}, {}},
        // Fired before the program ended.
        {{21, 30, 0, 2026y / 12 / 8}, Wall(2026, 12, 8, 21, 30), {}},
        // Exactly now: on time.
        {{9, 0, 0, 2026y / 12 / 9}, {}, {"2026-12-09 09:00:00 for 2026-12-09 09:00:00"}},
    };
    for (const auto& c : cases) {
        run.fired.clear();
        ReminderWatch watch = run.Start(c.rule, start, c.lastFired);
        run.Tick(watch, start, 60);
        EXPECT_EQ(run.fired, c.fired) << c.rule.hour << ":" << c.rule.minute;
    }
}

TEST(ParseClockTime, EveryMinuteOfTheDayAndNothingElse) {
    for (int minute = 0; minute < 24 * 60; ++minute) {
        char twoDigits[16], oneDigit[16];
        std::snprintf(twoDigits, sizeof twoDigits, "%02d:%02d", minute / 60, minute % 60);
        std::snprintf(oneDigit, sizeof oneDigit, "%d:%02d", minute / 60, minute % 60);
        EXPECT_EQ(ParseClockTime(twoDigits), minute) << twoDigits;
        EXPECT_EQ(ParseClockTime(oneDigit), minute) << oneDigit;
    }
    for (const char* bad : {"", ":", "24:00", "9:60", "9:5", "123:00", " 9:30", "9:30 ", "9.30",
                            "-1:00", "9:3a", "09:300", "０９:３０"})
        EXPECT_FALSE(ParseClockTime(bad)) << bad;
}

TEST(ReadRule, EachBadValueIsNamed) {
    const auto reminder = [](const char* time, std::int32_t days, const char* date) {
        ReminderSettings r;
        r.On = true;
        r.Time = time;
        r.Days = days;
        r.Date = date;
        r.Sound = ReminderSound::System;
        return r;
    };
    ReminderSettings noFile = reminder("9:00", 1, "");
    noFile.Sound = ReminderSound::File;
    ReminderSettings badClock = reminder("9:00", 1, "");
    badClock.Clock = ReminderClock(2);
    ReminderSettings badSound = reminder("9:00", 1, "");
    badSound.Sound = ReminderSound(3);
    const struct {
        ReminderSettings settings;
        ReminderProblem problem;
    } cases[] = {
        {reminder("09:30", EveryDay, ""), ReminderProblem::None},
        {reminder("0:00", 0, "2027/01/01"), ReminderProblem::None},
        {reminder("9:30", 0, "2027/02/29"), ReminderProblem::Date}, // no such day
        {reminder("9:30", 0, "2027-01-01"), ReminderProblem::Date},
        {reminder("9:30", 0, ""), ReminderProblem::Date},
        {reminder("9:30", 128, ""), ReminderProblem::Days},
        {reminder("9:30", -1, ""), ReminderProblem::Days},
        {reminder("930", EveryDay, ""), ReminderProblem::Time},
        {noFile, ReminderProblem::Sound},
        {badClock, ReminderProblem::Clock},
        {badSound, ReminderProblem::Sound},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadRule(c.settings).problem, c.problem)
            << c.settings.Time << " " << c.settings.Days << " " << c.settings.Date;
    const ReminderRule once = ReadRule(reminder("7:05", 0, "2027/01/01")).rule;
    EXPECT_EQ(once.hour, 7);
    EXPECT_EQ(once.minute, 5);
    EXPECT_EQ(once.date, 2027y / 1 / 1);
}

TEST(FiredText, EveryFewMinutesOfTwoYearsReadsBack) {
    for (Seconds at = Wall(2026, 1, 1, 0, 0); at < Wall(2028, 1, 1, 0, 0); at += 7 * 60) {
        ASSERT_EQ(ParseFired(FiredText(at)), at) << FiredText(at);
    }
    EXPECT_EQ(FiredText(Wall(2026, 12, 9, 9, 5)), "2026/12/09 09:05");
    for (const char* bad : {"", "2026/12/09", "2026/12/09 9:05x", "2026/13/09 09:05", "garbage"})
        EXPECT_FALSE(ParseFired(bad)) << bad;
}

TEST(InQuietHours, AcrossMidnightWithinADayAndNone) {
    const int from = 22 * 60, to = 7 * 60;
    for (int minute = 0; minute < 24 * 60; ++minute) {
        EXPECT_EQ(InQuietHours(minute, from, to), minute >= from || minute < to) << minute;
        EXPECT_EQ(InQuietHours(minute, to, from), minute >= to && minute < from) << minute;
        EXPECT_FALSE(InQuietHours(minute, from, from)) << minute;
    }
}

} // namespace
} // namespace velmora
