#pragma once
// One of the two clocks: side 1 on the left, side 2 on the right.
#include <cstdint>
#include <vector>

#include "engine/date_time.h"
#include "engine/format_settings.h"
#include "engine/language_table.h"
#include "engine/modes.h"
#include "engine/offset_table.h"
#include "engine/text.h"

namespace velmora {

// What the settings file keeps of a clock.
struct SideSettings {
    Text BoxName;
    std::int32_t DiffIndex = ZeroOffsetIndex;
    std::int32_t DateIndex = 0;
    std::int32_t TimeIndex = 0;
    std::int32_t LocaleID = FallbackLcid;
    // The platform's time-zone key the side follows; empty for the fixed
    // offset. An unknown key falls back to DiffIndex.
    Text TimeZone;

    bool operator==(const SideSettings&) const = default;
};

// The kept values and what is derived from them: the window and the
// settings dialog hold this, so a kept value has one home.
struct ClockSide : SideSettings {
    TFormatSettings FormatSettings;
    std::vector<Text> DatePatternList; // 32 entries once built
    std::vector<Text> TimePatternList; // 8 entries once built
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

    bool operator==(const DisplayOptions&) const = default;
};

} // namespace velmora
