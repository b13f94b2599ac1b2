#include "engine/progress.h"

#include <chrono>

#include "engine/time_text.h"

namespace velmora {

namespace {

constexpr std::int32_t MinutesPerDay = 1440;

int MillisecondOfDay(const DecodedDateTime& t) {
    return ((t.hour * 60 + t.minute) * 60 + t.second) * 1000 + t.millisecond;
}

void ClearBar(TaskbarProgress& taskbar) {
    taskbar.SetValue(0, EmptyProgressTotal);
    taskbar.SetState(ProgressKind::None);
}

} // namespace

int DayOfYear(DateTime t) {
    using namespace std::chrono;
    const year_month_day date = DecodeDateTime(t).date;
    const sys_days newYear{date.year() / January / 1};
    return static_cast<int>((sys_days{date} - newYear).count()) + 1;
}

std::int32_t MinuteOfYear(DateTime t) {
    const DecodedDateTime decoded = DecodeDateTime(t);
    return DayOfYear(t) * MinutesPerDay + decoded.hour * 60 + decoded.minute;
}

ProgressKind ProgressKindOfColor(ProgressColour color) {
    switch (color) {
    case ProgressColour::Green:
        return ProgressKind::Normal;
    case ProgressColour::Yellow:
        return ProgressKind::Paused;
    case ProgressColour::Red:
        return ProgressKind::Error;
    default:
        return ProgressKind::None;
    }
}

void UpdateProgressWindow(const ProgressSettings& settings, ProgressState& state,
                          const TFormatSettings& pcFormat, const LocaleSource& compare,
                          TaskbarProgress& taskbar) {
    if (settings.ProgressTime == ProgressClock::None) {
        ClearBar(taskbar);
        return;
    }
    taskbar.SetState(ProgressKindOfColor(settings.ProgressColor));

    // Both texts are read before anything is stored, so an unreadable one
    // leaves the window as it was.
    const DecodedDateTime side = DecodeDateTime(state.ProgressSideTime);
    const DateTime day = EncodeDateTime(side.date);
    const DateTime start = day + ParseTimeText(settings.ProgressFrom, pcFormat, compare);
    const DateTime end = day + ParseTimeText(settings.ProgressTo, pcFormat, compare);

    ProgressWindow window{start, end, MinuteOfYear(start), MinuteOfYear(end), 0};
    // Working hours across midnight: the clock is either in the part after
    // midnight (the start lies on the day before) or in the part before it
    // (the end lies on the next day).
    if (window.StartMinute > window.EndMinute) {
        if (MillisecondOfDay(DecodeDateTime(end)) >= MillisecondOfDay(side))
            window.StartMinute -= MinutesPerDay;
        else
            window.EndMinute += MinutesPerDay;
    }
    window.Span = window.EndMinute - window.StartMinute;
    state.Window = window;
}

void StepProgress(const ProgressSettings& settings, ProgressState& state, DateTime leftSideTime,
                  DateTime rightSideTime, TaskbarProgress& taskbar) {
    if (settings.ProgressTime == ProgressClock::None)
        return;
    // Any other value than the left clock follows the right one.
    state.ProgressSideTime =
        settings.ProgressTime == ProgressClock::Left ? leftSideTime : rightSideTime;
    const std::int32_t minute = MinuteOfYear(state.ProgressSideTime);
    const ProgressWindow& window = state.Window;
    if (window.StartMinute <= minute && minute < window.EndMinute) {
        // Both are non-negative here: the minute lies inside the window.
        taskbar.SetValue(static_cast<std::uint64_t>(minute - window.StartMinute),
                         static_cast<std::uint64_t>(window.Span));
    } else {
        ClearBar(taskbar);
    }
}

} // namespace velmora
