#pragma once
// The patterns the tick formats: the date pattern and the odd-second and
// even-second time patterns that make the separator blink or swing.
#include "engine/clock_side.h"
#include "engine/font_pitch.h"

namespace velmora {

// The time label fonts decide the swing, so call this after they are set.
void DeriveDisplayPatterns(ClockSide& left, ClockSide& right, const DisplayOptions& options,
                           const FontPitch& pitch, const Text& leftTimeFace,
                           const Text& rightTimeFace);

} // namespace velmora
