// One whole display tick: two dates, two times, the caption and the progress
// step, as the window asks for once a second.
#include <benchmark/benchmark.h>

#include "engine/cp932_decoder_iconv.h"
#include "engine/display_patterns.h"
#include "engine/era_calendar.h"
#include "engine/pattern_lists.h"
#include "engine/reminder_board.h"
#include "engine/tick.h"
#include "settings/clock_side_values.h"
#include "settings/settings_reader.h"

namespace velmora {
namespace {

class SteppingClock final : public ClockSource {
  public:
    ClockReading Read() const override { return {now, now - 9 / 24.0}; }
    DateTime now = EncodeDateTime(std::chrono::year{2026} / 12 / 7, 13, 30, 0);
};

// No zones: the sides keep their fixed offsets.
class NoZones final : public TimeZoneRules {
  public:
    std::optional<DateTime> ToZoneTime(const Text&, DateTime) const override {
        return std::nullopt;
    }
    std::vector<TimeZoneEntry> Zones() const override { return {}; }
};

class NoTaskbar final : public TaskbarProgress {
  public:
    bool SetState(ProgressKind) override { return false; }
    bool SetValue(std::uint64_t, std::uint64_t) override { return false; }
    bool Available() const override { return false; }
};

class FixedPitch final : public FontPitch {
  public:
    bool IsProportionalFont(const Text&) const override { return false; }
};

// With `reminders` reminders on, half on each clock, none due, the board
// follows them after each tick as the window does.
void RunTicks(benchmark::State& state, int dateIndex, int timeIndex, std::size_t reminders = 0) {
    PcSettings pc;
    pc.Facts.PcLocale = 1041;
    pc.Facts.PcPrimaryLanguage = LangJapanese;
    const BuiltInEraCalendar calendar(pc.Facts.PcLocale);
    pc.Facts.Calendar = &calendar;
    const IconvCp932Decoder decoder;
    pc.Facts.Decoder = &decoder;

    ClockSide left = ClockSideOf(DefaultSettings().Sides[0]);
    ClockSide right = ClockSideOf(DefaultSettings().Sides[1]);
    for (ClockSide* side : {&left, &right}) {
        BuildPatternLists(*side);
        side->DateIndex = dateIndex;
        side->TimeIndex = timeIndex;
    }
    const FixedPitch pitch;
    DeriveDisplayPatterns(left, right, DisplayOptions{}, pitch, "ＭＳ ゴシック", "ＭＳ ゴシック");

    ProgressSettings progress;
    progress.ProgressTime = ProgressClock::Left;
    ProgressState progressState;
    SteppingClock clock;
    NoTaskbar taskbar;
    const NoZones zones;
    const TickInput input{
        left, right, TitleSource::LeftClock, pc, progress, progressState, clock, taskbar, zones};
    std::array<ReminderSettings, MaxReminders> slots{};
    for (std::size_t i = 0; i < reminders; ++i) {
        slots[i].On = true;
        slots[i].Time = "4:" + std::to_string(10 + i); // before the run's 13:30
        slots[i].Clock = i % 2 ? ReminderClock::Right : ReminderClock::Left;
        slots[i].Days = 0x3E;
    }
    const auto walls = [&](const TickTexts& texts) {
        return TickWalls{{WholeSeconds(left.SideTime), WholeSeconds(right.SideTime)},
                         WholeSeconds(texts.Utc)};
    };
    ReminderBoard board;
    board.Load(slots, {}, std::nullopt, ReminderClock::Left, walls(Tick(input)));
    board.Tick(walls(Tick(input))); // what fell due in the look-back
    for (auto _ : state) {
        TickTexts texts = Tick(input);
        if (!board.Idle())
            benchmark::DoNotOptimize(board.Tick(walls(texts)));
        benchmark::DoNotOptimize(texts);
        clock.now += 1.0 / 86400.0; // the next second: the other blink phase
    }
}

void BM_TickNumericDate(benchmark::State& state) {
    RunTicks(state, 21, 3); // "yyyy/mm/dd(ddd)", "hh:nn"
}
BENCHMARK(BM_TickNumericDate);

void BM_TickEraDate(benchmark::State& state) {
    RunTicks(state, 31, 5); // "ggge年m月d日(dddd)", "AM/PM hh:nn"
}
BENCHMARK(BM_TickEraDate);

void BM_TickLocaleLongDate(benchmark::State& state) {
    RunTicks(state, 1, 3); // the locale's long date, "hh:nn"
}
BENCHMARK(BM_TickLocaleLongDate);

void BM_TickWith20Reminders(benchmark::State& state) {
    RunTicks(state, 21, 3, MaxReminders);
}
BENCHMARK(BM_TickWith20Reminders);

} // namespace
} // namespace velmora
