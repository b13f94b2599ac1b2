#pragma once
// Working-hours progress: how far one clock's working day has gone, in
// minutes of the year, shown on the taskbar button.
#include <cstdint>

#include "engine/date_time.h"
#include "engine/format_settings.h"
#include "engine/locale_source.h"
#include "engine/modes.h"
#include "engine/taskbar_progress.h"
#include "engine/text.h"

namespace velmora {

struct ProgressSettings {
    ProgressClock ProgressTime{};
    ProgressColour ProgressColor{};
    Text ProgressFrom;
    Text ProgressTo;

    bool operator==(const ProgressSettings&) const = default;
};

struct ProgressWindow {
    DateTime StartTime = 0;
    DateTime EndTime = 0;
    std::int32_t StartMinute = 0;
    std::int32_t EndMinute = 0;
    std::int32_t Span = 0;
};

// The window and the chosen clock's time as the latest tick stored it.
struct ProgressState {
    ProgressWindow Window;
    DateTime ProgressSideTime = 0;
};

// The total that goes with an empty bar.
constexpr std::uint64_t EmptyProgressTotal = 2147483647;

// 1 for 1 January, 365 or 366 for 31 December.
int DayOfYear(DateTime t);
// DayOfYear * 1440 + the minutes of the day; seconds are dropped.
std::int32_t MinuteOfYear(DateTime t);
// Green, yellow and red to the normal, paused and error kinds; otherwise none.
ProgressKind ProgressKindOfColor(ProgressColour color);

// Recomputes the window from ProgressSideTime and sets the colour state.
// Raises ConversionError for an unreadable start or end text; the window
// then keeps its previous values.
void UpdateProgressWindow(const ProgressSettings& settings, ProgressState& state,
                          const TFormatSettings& pcFormat, const LocaleSource& compare,
                          TaskbarProgress& taskbar);

// The per-second step: stores the chosen clock's time and fills the bar while
// it lies inside the window, clears it otherwise. Nothing without a chosen clock.
void StepProgress(const ProgressSettings& settings, ProgressState& state, DateTime leftSideTime,
                  DateTime rightSideTime, TaskbarProgress& taskbar);

} // namespace velmora
