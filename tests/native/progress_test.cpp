#include "engine/progress.h"

#include <tuple>

#include <gtest/gtest.h>

#include "engine/conversion_error.h"
#include "engine/deferred_taskbar.h"
#include "engine/offset_table.h"
#include "tests/native/fake_locale_source.h"
#include "tests/native/recording_taskbar.h"

namespace velmora {
namespace {

using namespace std::chrono;

DateTime At(int y, unsigned mo, unsigned d, int h = 0, int mi = 0, int s = 0) {
    return EncodeDateTime(year{y} / month{mo} / day{d}, h, mi, s);
}

const std::vector<TaskbarCall> Cleared{ValueCall(0, EmptyProgressTotal),
                                       StateCall(ProgressKind::None)};

class ProgressTest : public ::testing::Test {
  protected:
    ProgressTest() {
        settings.ProgressTime = ProgressClock::Left;
        settings.ProgressFrom = "09:00";
        settings.ProgressTo = "17:00";
    }

    // One second: the tick stores the clock's time, the refresh recomputes the window,
    // the next tick sets the value.
    std::vector<TaskbarCall> SecondAt(DateTime left, DateTime right = 0) {
        StepProgress(settings, state, left, right, taskbar);
        Refresh();
        taskbar.calls.clear();
        StepProgress(settings, state, left, right, taskbar);
        return taskbar.calls;
    }
    void Refresh() { UpdateProgressWindow(settings, state, pcFormat, compare, taskbar); }

    ProgressSettings settings;
    ProgressState state;
    TFormatSettings pcFormat;
    FakeLocaleSource compare;
    RecordingTaskbar taskbar;
};

TEST_F(ProgressTest, FillsOnceAMinuteInsideTheWorkingHours) {
    struct Case {
        int hour, minute, second;
        std::vector<TaskbarCall> calls;
    } const cases[] = {{13, 30, 0, {ValueCall(270, 480)}},
                       {9, 0, 0, {ValueCall(0, 480)}},
                       {9, 0, 59, {ValueCall(0, 480)}},
                       {16, 59, 59, {ValueCall(479, 480)}},
                       {17, 0, 0, Cleared},
                       {8, 59, 59, Cleared}};
    for (const Case& c : cases) {
        EXPECT_EQ(SecondAt(At(2026, 12, 7, c.hour, c.minute, c.second)), c.calls)
            << c.hour << ':' << c.minute << ':' << c.second;
    }
    EXPECT_EQ(state.Window.Span, 480);
}

TEST_F(ProgressTest, TheRefreshSetsTheColourState) {
    const std::pair<std::int32_t, ProgressKind> cases[] = {{0, ProgressKind::Normal},
                                                           {1, ProgressKind::Paused},
                                                           {2, ProgressKind::Error},
                                                           {3, ProgressKind::None},
                                                           {-1, ProgressKind::None}};
    for (const auto& [colour, kind] : cases) {
        settings.ProgressColor = ProgressColour(colour);
        taskbar.calls.clear();
        Refresh();
        EXPECT_EQ(taskbar.calls, std::vector{StateCall(kind)}) << colour;
        EXPECT_EQ(ProgressKindOfColor(ProgressColour(colour)), kind);
    }
}

TEST_F(ProgressTest, WorkingHoursAcrossMidnightAndNewYear) {
    settings.ProgressFrom = "22:00";
    settings.ProgressTo = "06:00";
    EXPECT_EQ(SecondAt(At(2026, 3, 10, 23, 0)), std::vector{ValueCall(60, 480)});
    EXPECT_EQ(state.Window.StartMinute, MinuteOfYear(At(2026, 3, 10, 22, 0)));
    EXPECT_EQ(state.Window.EndMinute, MinuteOfYear(At(2026, 3, 10, 6, 0)) + 1440);

    EXPECT_EQ(SecondAt(At(2026, 3, 11, 1, 0)), std::vector{ValueCall(180, 480)});
    EXPECT_EQ(state.Window.EndMinute, MinuteOfYear(At(2026, 3, 11, 6, 0)));

    // At the end time itself the clock counts as after midnight.
    EXPECT_EQ(SecondAt(At(2026, 3, 11, 6, 0)), Cleared);
    EXPECT_EQ(state.Window.StartMinute, MinuteOfYear(At(2026, 3, 11, 22, 0)) - 1440);

    // New year's night clears the bar until the next refresh.
    EXPECT_EQ(SecondAt(At(2026, 12, 31, 23, 59)), std::vector{ValueCall(119, 480)});
    taskbar.calls.clear();
    StepProgress(settings, state, At(2027, 1, 1, 0, 0), 0, taskbar);
    EXPECT_EQ(taskbar.calls, Cleared);
    EXPECT_EQ(SecondAt(At(2027, 1, 1, 0, 0)), std::vector{ValueCall(120, 480)});
}

TEST_F(ProgressTest, EqualStartAndEndNeverFill) {
    settings.ProgressTo = "09:00";
    for (int hour : {0, 9, 10})
        EXPECT_EQ(SecondAt(At(2026, 12, 7, hour, 0)), Cleared) << hour;
    EXPECT_EQ(state.Window.Span, 0);
}

TEST_F(ProgressTest, TheChosenClocksOffsetCounts) {
    settings.ProgressTime = ProgressClock::Right;
    const std::int32_t fifteenHoursBehind = 77;
    const auto secondAtPcTime = [&](int hour, int minute) {
        return SecondAt(0, ComputeSideTime(At(2026, 12, 7, hour, minute), fifteenHoursBehind));
    };
    EXPECT_EQ(secondAtPcTime(0, 0), std::vector{ValueCall(0, 480)});
    EXPECT_EQ(secondAtPcTime(7, 59), std::vector{ValueCall(479, 480)});
    EXPECT_EQ(secondAtPcTime(8, 0), Cleared);
    EXPECT_EQ(secondAtPcTime(23, 59), Cleared);
}

TEST_F(ProgressTest, AnUnreadableTimeLeavesTheWindowAsItWas) {
    SecondAt(At(2026, 12, 7, 13, 30));
    const ProgressWindow before = state.Window;
    settings.ProgressColor = ProgressColour::Yellow;
    for (const auto& [from, to] : {std::pair{"9時", "17:00"}, std::pair{"09:00", "25:00"}}) {
        settings.ProgressFrom = from;
        settings.ProgressTo = to;
        state.ProgressSideTime = At(2026, 12, 8, 10, 0);
        taskbar.calls.clear();
        EXPECT_THROW(Refresh(), ConversionError);
        EXPECT_EQ(taskbar.calls, std::vector{StateCall(ProgressKind::Paused)});
        EXPECT_EQ(std::tuple(state.Window.StartMinute, state.Window.EndMinute, state.Window.Span,
                             state.Window.StartTime),
                  std::tuple(before.StartMinute, before.EndMinute, before.Span, before.StartTime));
    }
}

TEST_F(ProgressTest, TheTickStoresTheChosenClockAndProgressTimeZeroClears) {
    const DateTime left = At(2026, 12, 7, 10, 0), right = At(2026, 12, 6, 19, 0);
    for (const auto& [progressTime, expected] : {std::pair{2, right}, std::pair{3, right}}) {
        settings.ProgressTime = ProgressClock(progressTime);
        StepProgress(settings, state, left, right, taskbar);
        EXPECT_EQ(state.ProgressSideTime, expected) << progressTime;
    }
    settings.ProgressTime = ProgressClock::Left;
    SecondAt(At(2026, 12, 7, 13, 30));
    const ProgressState before = state;
    settings.ProgressTime = ProgressClock::None;
    taskbar.calls.clear();
    Refresh();
    StepProgress(settings, state, At(2026, 12, 7, 14, 0), At(2026, 12, 7, 14, 0), taskbar);
    EXPECT_EQ(taskbar.calls, Cleared); // nothing from the tick
    EXPECT_EQ(state.ProgressSideTime, before.ProgressSideTime);
    EXPECT_EQ(state.Window.Span, before.Window.Span);
}

// The platform's bar is made at the first state that shows one, and gets the
// value given before it; clearing a bar never made makes none.
TEST(DeferredTaskbar, MakesThePlatformBarOnlyToShowOne) {
    RecordingTaskbar* made = nullptr;
    int makings = 0;
    DeferredTaskbar taskbar(true, [&]() -> std::unique_ptr<TaskbarProgress> {
        ++makings;
        auto recording = std::make_unique<RecordingTaskbar>();
        made = recording.get();
        return recording;
    });
    ProgressState state;
    UpdateProgressWindow(ProgressSettings{}, state, TFormatSettings{}, FakeLocaleSource{}, taskbar);
    EXPECT_EQ(makings, 0);
    EXPECT_TRUE(taskbar.Available());

    taskbar.SetValue(3, 8);
    taskbar.SetState(ProgressKind::Paused);
    taskbar.SetState(ProgressKind::None);
    ASSERT_EQ(makings, 1);
    EXPECT_EQ(made->calls, (std::vector{StateCall(ProgressKind::Paused), ValueCall(3, 8),
                                        StateCall(ProgressKind::None)}));

    DeferredTaskbar absent(false, [&]() -> std::unique_ptr<TaskbarProgress> {
        ++makings;
        return nullptr;
    });
    EXPECT_FALSE(absent.SetState(ProgressKind::Normal));
    EXPECT_FALSE(absent.Available());
    EXPECT_EQ(makings, 1);

    // Present, but the object cannot be made: tried once, then absent.
    DeferredTaskbar broken(true, [&]() -> std::unique_ptr<TaskbarProgress> {
        ++makings;
        return nullptr;
    });
    EXPECT_TRUE(broken.Available());
    EXPECT_FALSE(broken.MakeReady());
    EXPECT_FALSE(broken.Available());
    EXPECT_FALSE(broken.SetState(ProgressKind::Normal));
    EXPECT_EQ(makings, 2);
}

TEST(DayOfYear, CountsFromTheFirstOfJanuary) {
    struct Case {
        DateTime t;
        int day;
        std::int32_t minute;
    } const cases[] = {
        {At(2026, 1, 1, 0, 0, 59), 1, 1440}, {At(2026, 1, 1, 23, 59), 1, 1440 + 1439},
        {At(2024, 3, 1), 61, 61 * 1440},     {At(2026, 12, 31, 12, 0), 365, 365 * 1440 + 720},
        {At(2024, 12, 31), 366, 366 * 1440}, {At(2000, 12, 31), 366, 366 * 1440},
        {At(1900, 12, 31), 365, 365 * 1440}, {0, 364, 364 * 1440} // 1899-12-30
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DayOfYear(c.t), c.day) << c.t;
        EXPECT_EQ(MinuteOfYear(c.t), c.minute) << c.t;
    }
}

} // namespace
} // namespace velmora
