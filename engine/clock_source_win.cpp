#include "engine/clock_source_win.h"

#include <windows.h>

#include <chrono>

namespace velmora {

DateTime Win32ClockSource::Now() const {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    const std::chrono::year_month_day date{std::chrono::year{local.wYear},
                                           std::chrono::month{local.wMonth},
                                           std::chrono::day{local.wDay}};
    return EncodeDateTime(date, local.wHour, local.wMinute, local.wSecond, local.wMilliseconds);
}

} // namespace velmora
