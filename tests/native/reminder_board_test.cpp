// The board the tick asks each second: reminders on either clock, snoozing,
// the end of working hours and the chime with its quiet hours.
#include "engine/reminder_board.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/side_time.h"
#include "tests/native/fake_time_zone_rules.h"

namespace velmora {
namespace {

using namespace std::chrono;

DateTime Utc(int y, unsigned mo, unsigned d, int h, int mi, int s = 0) {
    return EncodeDateTime(year{y} / month{mo} / day{d}, h, mi, s);
}

std::string Show(Seconds wall) {
    const DecodedDateTime t = DecodeDateTime(static_cast<double>(wall) / 86'400);
    char text[48];
    std::snprintf(text, sizeof text, "%02u-%02u %02d:%02d:%02d",
                  static_cast<unsigned>(t.date.month()), static_cast<unsigned>(t.date.day()),
                  t.hour, t.minute, t.second);
    return text;
}

// Tokyo on the left; Houston on the right, on its zone or on the fixed
// winter offset.
struct TwoClocks {
    FakeTimeZoneRules zones;
    std::array<ClockSide, 2> sides;

    explicit TwoClocks(bool rightOnZone) {
        sides[1].DiffIndex = 77;
        if (rightOnZone)
            sides[1].TimeZone = FakeTimeZoneRules::UsCentral;
    }
    TickWalls At(DateTime utc) const {
        const ClockReading reading{utc + 9 / 24.0, utc};
        return {{WholeSeconds(SideTimeAt(sides[0], reading, zones)),
                 WholeSeconds(SideTimeAt(sides[1], reading, zones))},
                WholeSeconds(utc)};
    }
    // Each second from `fromUtc` for `seconds`: what the board tells, as
    // "kind slot at-the-told-clock's-wall".
    std::vector<std::string> Run(ReminderBoard& board, DateTime fromUtc, Seconds seconds,
                                 bool snoozeEach = false) const {
        std::vector<std::string> told;
        for (Seconds i = 0; i < seconds; ++i) {
            // A quarter of a second into each second, as the tick wakes.
            const TickWalls now = At(fromUtc + (double(i) + 0.25) / 86'400);
            for (const ToTell& t : board.Tick(now)) {
                const char* kind = t.what == Telling::Chime     ? "chime"
                                   : t.what == Telling::WorkEnd ? "work end"
                                                                : "reminder";
                told.push_back(std::string(kind) + " " + std::to_string(t.index) + " " +
                               Show(t.due) + (t.snoozed ? " snoozed" : "") +
                               (t.missed ? " missed" : ""));
                if (snoozeEach && !t.snoozed && t.what != Telling::Chime)
                    board.Snooze(t, now);
            }
        }
        return told;
    }
};

ReminderSettings At(const char* time, ReminderClock clock, std::int32_t days = EveryDay) {
    ReminderSettings r;
    r.On = true;
    r.Time = time;
    r.Clock = clock;
    r.Days = days;
    return r;
}

TEST(ReminderBoard, IdleWithNothingToTell) {
    const TwoClocks clocks(false);
    ReminderBoard board;
    std::array<ReminderSettings, MaxReminders> reminders{};
    reminders[3] = At("9:00", ReminderClock::Left);
    reminders[3].On = false; // set but off
    ReminderOptions options;
    options.WorkEnd = true; // but no readable end time
    EXPECT_TRUE(board
                    .Load(reminders, options, std::nullopt, ReminderClock::Left,
                          clocks.At(Utc(2026, 12, 9, 0, 0)))
                    .empty());
    EXPECT_TRUE(board.Idle());
    reminders[3].On = true;
    board.Load(reminders, {}, std::nullopt, ReminderClock::Left, clocks.At(Utc(2026, 12, 9, 0, 0)));
    EXPECT_FALSE(board.Idle());
}

TEST(ReminderBoard, EachReminderOnItsOwnClockAndTheBadOnesReported) {
    for (const bool rightOnZone : {false, true}) {
        const TwoClocks clocks(rightOnZone);
        std::array<ReminderSettings, MaxReminders> reminders{};
        reminders[0] = At("9:30", ReminderClock::Left);
        reminders[5] = At("9:30", ReminderClock::Right);
        reminders[6] = At("25:00", ReminderClock::Right); // reported, not followed
        reminders[7] = At("9:30", ReminderClock::Left, 200);
        ReminderBoard board;
        const DateTime start = Utc(2026, 12, 9, 0, 0); // 09:00 Tokyo, 18:00 Houston the day before
        const auto bad =
            board.Load(reminders, {}, std::nullopt, ReminderClock::Left, clocks.At(start));
        ASSERT_EQ(bad.size(), 2u);
        EXPECT_EQ(bad[0].index, 6u);
        EXPECT_EQ(bad[0].problem, ReminderProblem::Time);
        EXPECT_EQ(bad[1].problem, ReminderProblem::Days);
        // Houston's 09:30 is 00:30 the next day in Tokyo, 15 hours later;
        // its 09:30 of the day before, eight and a half hours before the
        // start, is told at once as missed.
        EXPECT_EQ(
            clocks.Run(board, start, 86'400),
            (std::vector<std::string>{"reminder 5 12-08 09:30:00 missed",
                                      "reminder 0 12-09 09:30:00", "reminder 5 12-09 09:30:00"}))
            << rightOnZone;
    }
}

TEST(ReminderBoard, SnoozeTellsAgainFiveMinutesLaterOnTheSameClock) {
    const TwoClocks clocks(true);
    std::array<ReminderSettings, MaxReminders> reminders{};
    reminders[2] = At("18:10", ReminderClock::Right);
    ReminderBoard board;
    const DateTime start = Utc(2026, 12, 9, 0, 0); // 18:00 in Houston
    board.Load(reminders, {}, std::nullopt, ReminderClock::Left, clocks.At(start));
    EXPECT_EQ(clocks.Run(board, start, 1800, true),
              (std::vector<std::string>{"reminder 2 12-08 18:10:00",
                                        "reminder 2 12-08 18:10:00 snoozed"}));
}

TEST(ReminderBoard, WorkEndOnceADayFromNowOn) {
    const TwoClocks clocks(false);
    ReminderOptions options;
    options.WorkEnd = true;
    ReminderBoard board;
    // Started at 18:00 in Tokyo: today's 17:00 has gone by and is no news.
    const DateTime start = Utc(2026, 12, 9, 9, 0);
    board.Load({}, options, 17 * 60, ReminderClock::Left, clocks.At(start));
    EXPECT_EQ(clocks.Run(board, start, 2 * 86'400),
              (std::vector<std::string>{"work end 0 12-10 17:00:00", "work end 0 12-11 17:00:00"}));
}

TEST(ReminderBoard, ChimeEachHourOutsideQuietHoursAndOnceThroughDaylightSaving) {
    const auto chimes = [](const TwoClocks& clocks, ChimeMode mode, const char* from,
                           const char* to, DateTime startUtc) {
        ReminderOptions options;
        options.Chime = mode;
        options.ChimeClock = ReminderClock::Right;
        options.QuietFrom = from;
        options.QuietTo = to;
        ReminderBoard board;
        board.Load({}, options, std::nullopt, ReminderClock::Left, clocks.At(startUtc));
        return clocks.Run(board, startUtc, 86'400 + 3600).size();
    };
    const TwoClocks fixed(false), zone(true);
    // From Houston's midnight, a day and an hour: 25 full hours.
    const DateTime midnight = Utc(2026, 12, 9, 6, 0) - 1.0 / 86'400;
    EXPECT_EQ(chimes(fixed, ChimeMode::Hourly, "0:00", "0:00", midnight), 25u);
    EXPECT_EQ(chimes(fixed, ChimeMode::HalfHourly, "0:00", "0:00", midnight), 50u);
    // 22:00 to 07:00 quiet: 07:00 to 21:00 chime.
    EXPECT_EQ(chimes(fixed, ChimeMode::Hourly, "22:00", "7:00", midnight), 15u);
    EXPECT_EQ(chimes(fixed, ChimeMode::HalfHourly, "22:00", "07:00", midnight), 30u);
    // The day daylight saving ends has 25 hours and 24 full hours; the day
    // it starts 23 hours and 23 (03:00 comes straight after 01:59:59).
    const DateTime fallMidnight = Utc(2027, 11, 7, 5, 0) - 1.0 / 86'400;
    const DateTime springMidnight = Utc(2027, 3, 14, 6, 0) - 1.0 / 86'400;
    // A day and an hour of real time from midnight: on the long day its 24
    // full hours and none of the next; on the short one its 23 and two.
    EXPECT_EQ(chimes(zone, ChimeMode::Hourly, "0:00", "0:00", fallMidnight), 24u);
    EXPECT_EQ(chimes(zone, ChimeMode::Hourly, "0:00", "0:00", springMidnight), 25u);
}

} // namespace
} // namespace velmora
