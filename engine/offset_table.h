#pragma once
// The 95 offsets to the computer's clock, +23.5 h at index 0 to -23.5 h at 94.
#include <cstdint>

#include "engine/date_time.h"
#include "engine/text.h"

namespace velmora {

constexpr int OffsetCount = 95;
constexpr int ZeroOffsetIndex = 47;

// "+23.5", "+23", ..., "+0.5", "0", "-0.5", ..., "-23.5".
Text OffsetLabel(int index);

// The side's time: the computer's local time minus (diffIndex - 47) half
// hours. Indexes outside the table are used as they are.
DateTime ComputeSideTime(DateTime pcLocal, std::int32_t diffIndex);

} // namespace velmora
