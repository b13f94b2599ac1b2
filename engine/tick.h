#pragma once
// The once-a-second work of the clock: both sides' date and time texts, the
// caption, and the working-hours progress step. The window only shows them.
#include <cstdint>
#include <optional>

#include "engine/clock_side.h"
#include "engine/clock_source.h"
#include "engine/locale_settings.h"
#include "engine/modes.h"
#include "engine/product.h"
#include "engine/progress.h"
#include "engine/taskbar_progress.h"
#include "engine/text.h"
#include "engine/time_zone_rules.h"
#include "engine/wide_text.h"

namespace velmora {

struct TickInput {
    ClockSide& Left;  // SideTime is overwritten
    ClockSide& Right; // SideTime is overwritten
    TitleSource TitleMode;
    const PcSettings& Pc;
    const ProgressSettings& Progress;
    ProgressState& ProgressData; // ProgressSideTime is overwritten
    const ClockSource& Clock;
    TaskbarProgress& Taskbar;
    const TimeZoneRules& Zones;
};

struct TickTexts {
    WideText LeftDate;
    WideText LeftTime;
    WideText RightDate;
    WideText RightTime;
    // For the PC's time and either clock only: the caption, and the application title
    // (the taskbar button's text) which takes the same text.
    std::optional<WideText> Caption;
    // The instant of the tick's one reading, for what follows the sides' times.
    DateTime Utc = 0;
};

TickTexts Tick(const TickInput& input);

// The caption set when settings are loaded or confirmed: the product title or
// the free text; nothing for the modes the tick writes and unknown ones.
std::optional<Text> FixedTitle(TitleSource titleMode, const Text& titleString);

// Turns the "12" of a 12-hour text ending in "12:05" into "0", for the fixed
// 12-hour time patterns (entries 4 to 7); every other text is returned as it is.
WideText ApplyHourFix(const WideText& text, std::int32_t timeIndex);

} // namespace velmora
