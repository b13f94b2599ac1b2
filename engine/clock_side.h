#pragma once
// One of the two clocks: side 1 on the left, side 2 on the right.
#include <cstdint>
#include <vector>

#include "engine/date_time.h"
#include "engine/format_settings.h"
#include "engine/modes.h"
#include "engine/text.h"

namespace velmora {

struct ClockSide {
    Text BoxName;
    std::int32_t DiffIndex = 47;
    // The platform's time-zone key the side follows; empty for the fixed
    // offset. An unknown key falls back to DiffIndex.
    Text TimeZone;
    std::int32_t LocaleID = 1041;
    TFormatSettings FormatSettings;
    std::vector<Text> DatePatternList; // 32 entries once built
    std::vector<Text> TimePatternList; // 8 entries once built
    std::int32_t DateIndex = 0;
    std::int32_t TimeIndex = 0;
    // Derived by DeriveDisplayPatterns.
    Text DatePattern;
    Text ColonPattern;
    Text BlankPattern;
    Text OddSecondPattern;
    Text EvenSecondPattern;
    DateTime SideTime = 0;
};

// Display options shared by both sides.
struct DisplayOptions {
    BlinkPairing BlinkMode{};
    bool SwingBlink = false;
};

} // namespace velmora
