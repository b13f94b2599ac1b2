// A day of ticks of the real main window on a set clock: one second per
// tick, across midnight, 29 February, two month ends and New Year, with
// automatic font size and a resize every hundred ticks. What the window
// holds does not grow through the run after the first minute.
// VELMORA_LONG_RUN_TICKS sets the number of ticks (scripts/long-run.sh runs
// the full 86,400).
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "process_figures.h"
#include "tests/win/form_probe.h"
#include "ui_test_support.h"

namespace velmora {
namespace {

using namespace testing;

constexpr int DefaultTicks = 8'640;
constexpr int MinimumFrameHeight = 60;
constexpr int ResizeHeights = 50;

int TickCount() {
    const char* set = std::getenv("VELMORA_LONG_RUN_TICKS");
    const int ticks = set ? std::atoi(set) : DefaultTicks;
    return ticks >= 1'000 ? ticks : DefaultTicks;
}

DateTime At(std::chrono::year_month_day date, int hour, int minute, int second) {
    return EncodeDateTime(date, hour, minute, second);
}

// The clock jumps at these shares of the run, each time 30 seconds before a
// midnight worth crossing; the run itself starts a minute before 29 February.
struct Leg {
    int quarter; // the leg starts at quarter * ticks / 4
    DateTime start;
    Text dateBefore;
    Text dateAfter; // from the tick 30 (60 on the first leg) seconds in
};

const Leg Legs[] = {
    {0, At(std::chrono::year{2024} / 2 / 28, 23, 59, 0), "2024/02/28(Wed)", "2024/02/29(Thu)"},
    {1, At(std::chrono::year{2024} / 2 / 29, 23, 59, 30), "2024/02/29(Thu)", "2024/03/01(Fri)"},
    {2, At(std::chrono::year{2024} / 4 / 30, 23, 59, 30), "2024/04/30(Tue)", "2024/05/01(Wed)"},
    {3, At(std::chrono::year{2024} / 12 / 31, 23, 59, 30), "2024/12/31(Tue)", "2025/01/01(Wed)"},
};

// The PC's clock on the left in English, "yyyy/mm/dd(ddd)" and "hh:nn"
// without blinking, the caption following it, working hours on the taskbar.
const char LongRunFile[] =
    "[DATA]\r\nDiffIndex1=47\r\nDateIndex1=21\r\nTimeIndex1=3\r\nLocaleID1=1033\r\n"
    "[MODE]\r\nBlinkMode=2\r\nTitleMode=3\r\nProgressTime=1\r\nProgressFrom=09:00\r\n"
    "ProgressTo=17:00\r\n[FONT]\r\nAutoScale=1\r\n";

class LongRunTest : public ::testing::Test, public FormFixture {
  protected:
    // Paints what the tick changed and handles what it posted; the timers
    // are left out, the test is the timer.
    static void Pump() {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, WM_TIMER - 1, PM_REMOVE) ||
               PeekMessageW(&message, nullptr, WM_TIMER + 1, 0xFFFF, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // With the mouse over the window a resize scales the fonts itself; where
    // the mouse cannot be placed the test scales them after the resize.
    bool ResizeScales() {
        RECT outer{};
        GetWindowRect(form->Handle(), &outer);
        const POINT wanted{(outer.left + outer.right) / 2, outer.top + 10};
        SetCursorPos(wanted.x, wanted.y);
        POINT cursor{};
        GetCursorPos(&cursor);
        return cursor.x == wanted.x && cursor.y == wanted.y;
    }
    Text DateLabel() const { return WindowText(FormProbe(*form).Label(0).Handle()); }
};

// A leak grows with the ticks, in both halves of the run; the heap may also
// take one step up once (Wine's does, at no fixed tick, then stays flat for a
// day), which lands in one half only. So a figure fails when both halves grow
// by more than half of `share` of the first minute's figure: as sensitive to
// a steady leak as `share` over the whole run. A figure that could not be
// read (0) never passes.
bool GrowsThroughout(std::size_t first, std::size_t middle, std::size_t end, double share) {
    const double limit = share / 2 * static_cast<double>(first);
    const auto grew = [&](std::size_t from, std::size_t to) {
        return static_cast<double>(to) - static_cast<double>(from) > limit;
    };
    return first == 0 || (grew(first, middle) && grew(middle, end));
}

TEST_F(LongRunTest, ADayOfTicksHoldsNoMoreThanTheFirstMinute) {
    const int ticks = TickCount();
    clock.now = Legs[0].start;
    TForm1& window = Start(LongRunFile);
    window.ShowFirst();
    window.FormResize(); // the first resize after a read only arms
    const bool resizeScales = ResizeScales();
    // Each height the run cycles through shows every text the run will show
    // before the first figures: each date, and every digit in the time. The
    // caches Wine keeps per font size and glyph are then full, so what grows
    // after them grows with time.
    std::vector<DateTime> warmUp;
    for (const Leg& leg : Legs)
        warmUp.insert(warmUp.end(), {leg.start, leg.start + 60 / 86'400.0});
    for (const int minute : {14 * 60 + 29, 16 * 60 + 38, 18 * 60 + 47}) // 14:28, 16:37, 18:46
        warmUp.push_back(Legs[0].start + minute / 1'440.0);
    for (int height = 0; height < ResizeHeights; ++height) {
        SetFrameHeight(*form, MinimumFrameHeight + height);
        if (!resizeScales)
            window.AdjustFontSize();
        for (const DateTime instant : warmUp) {
            clock.now = instant;
            window.Timer1Timer();
            Pump();
        }
    }
    const HANDLE process = GetCurrentProcess();
    const auto began = std::chrono::steady_clock::now();

    constexpr int FirstMinute = 60;
    const int middleTick = FirstMinute + (ticks - FirstMinute) / 2;
    ProcessFigures firstMinute;
    ProcessFigures middle;
    int leg = 0;
    int legStart = 0;
    for (int tick = 1; tick <= ticks; ++tick) {
        if (leg + 1 < static_cast<int>(std::size(Legs)) &&
            tick > Legs[leg + 1].quarter * ticks / 4) {
            ++leg;
            legStart = tick - 1;
        }
        const int second = tick - legStart;
        clock.now = Legs[leg].start + second / 86'400.0;
        window.Timer1Timer();
        window.Timer2Timer();
        taskbar->calls.clear(); // the recording keeps its room: no growth from the test
        if (tick % 100 == 0) {
            SetFrameHeight(*form, MinimumFrameHeight + tick / 100 % ResizeHeights);
            if (!resizeScales)
                window.AdjustFontSize();
        }
        Pump();

        const int crossing = leg == 0 ? 60 : 30;
        if (second == crossing - 1) {
            EXPECT_EQ(DateLabel(), Legs[leg].dateBefore) << "tick " << tick;
        }
        if (second == crossing) {
            EXPECT_EQ(DateLabel(), Legs[leg].dateAfter) << "tick " << tick;
            EXPECT_EQ(WindowText(FormProbe(window).Label(1).Handle()), "00:00") << "tick " << tick;
        }
        if (tick == FirstMinute)
            firstMinute = FiguresOf(process);
        if (tick == middleTick)
            middle = FiguresOf(process);
    }
    const ProcessFigures end = FiguresOf(process);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();

    EXPECT_EQ(leg, 3); // every crossing was passed
    EXPECT_TRUE(errors.messages.empty());
    EXPECT_FALSE(GrowsThroughout(firstMinute.gdiObjects, middle.gdiObjects, end.gdiObjects, 0.01));
    EXPECT_FALSE(
        GrowsThroughout(firstMinute.userObjects, middle.userObjects, end.userObjects, 0.01));
    EXPECT_FALSE(
        GrowsThroughout(firstMinute.privateBytes, middle.privateBytes, end.privateBytes, 0.01));
    std::printf("ticks=%d gdi_objects=%zu->%zu->%zu user_objects=%zu->%zu->%zu "
                "private_bytes=%zu->%zu->%zu wall_s=%.1f resize_scales_itself=%d\n",
                ticks, firstMinute.gdiObjects, middle.gdiObjects, end.gdiObjects,
                firstMinute.userObjects, middle.userObjects, end.userObjects,
                firstMinute.privateBytes, middle.privateBytes, end.privateBytes, seconds,
                resizeScales ? 1 : 0);
}

} // namespace
} // namespace velmora
