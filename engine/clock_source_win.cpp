#include "engine/clock_source_win.h"

#include <windows.h>

#include <chrono>

namespace velmora {
namespace {

DateTime FromFileTime(const FILETIME& time) {
    SYSTEMTIME t{};
    FileTimeToSystemTime(&time, &t);
    const std::chrono::year_month_day date{std::chrono::year{t.wYear}, std::chrono::month{t.wMonth},
                                           std::chrono::day{t.wDay}};
    return EncodeDateTime(date, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
}

} // namespace

ClockReading Win32ClockSource::Read() const {
    // The local time is derived from the same UTC reading with the bias in
    // effect now, as GetLocalTime does, so both are of one instant.
    FILETIME utc{};
    GetSystemTimeAsFileTime(&utc);
    FILETIME local{};
    FileTimeToLocalFileTime(&utc, &local);
    return {FromFileTime(local), FromFileTime(utc)};
}

} // namespace velmora
