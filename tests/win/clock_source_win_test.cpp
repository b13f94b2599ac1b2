#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>

#include "engine/clock_source_win.h"

namespace velmora {
namespace {

DateTime FromSystemTime(const SYSTEMTIME& t) {
    return EncodeDateTime(std::chrono::year{t.wYear} / t.wMonth / t.wDay, t.wHour, t.wMinute,
                          t.wSecond, t.wMilliseconds);
}

DateTime LocalNow() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return FromSystemTime(t);
}

DateTime UtcNow() {
    SYSTEMTIME t{};
    GetSystemTime(&t);
    return FromSystemTime(t);
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

TEST(Win32ClockSource, GivesUtcAndLocalTimeOfOneInstant) {
    const Win32ClockSource clock;
    const DateTime before = UtcNow();
    const ClockReading reading = clock.Read();
    const DateTime after = UtcNow();
    EXPECT_LE(before, reading.Utc);
    EXPECT_LE(reading.Utc, after);
    // The difference is the computer's offset exactly: whole minutes, the
    // same milliseconds.
    const double minutes = (reading.Local - reading.Utc) * 24 * 60;
    EXPECT_NEAR(minutes, std::round(minutes), 1e-6);
    EXPECT_EQ(DecodeDateTime(reading.Local).millisecond, DecodeDateTime(reading.Utc).millisecond);
    EXPECT_NEAR(reading.Local - reading.Utc, LocalNow() - UtcNow(), 1.0 / 86400.0);
}

} // namespace
} // namespace velmora
