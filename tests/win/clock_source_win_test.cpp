#include <windows.h>

#include <gtest/gtest.h>

#include "engine/clock_source_win.h"

namespace velmora {
namespace {

DateTime LocalNow() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return EncodeDateTime(std::chrono::year{t.wYear} / t.wMonth / t.wDay, t.wHour, t.wMinute,
                          t.wSecond, t.wMilliseconds);
}

TEST(Win32ClockSource, ReadsTheLocalTimeToTheMillisecond) {
    const Win32ClockSource clock;
    const DateTime before = LocalNow();
    const DateTime now = clock.Now();
    const DateTime after = LocalNow();
    EXPECT_LE(before, now);
    EXPECT_LE(now, after);
    EXPECT_LT(after - before, 1.0 / 86400.0); // within one second
    // Milliseconds are kept, not rounded to the second.
    DateTime last = now;
    bool sawMilliseconds = false;
    for (int i = 0; i < 50 && !sawMilliseconds; ++i) {
        Sleep(7);
        last = clock.Now();
        sawMilliseconds = DecodeDateTime(last).millisecond != 0;
    }
    EXPECT_TRUE(sawMilliseconds);
}

} // namespace
} // namespace velmora
