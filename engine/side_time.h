#pragma once
// A clock side's time: its time zone's time when it follows a zone the
// platform knows, otherwise the fixed offset to the computer's clock.
#include <cstdint>

#include "engine/clock_side.h"
#include "engine/clock_source.h"
#include "engine/time_zone_rules.h"

namespace velmora {

DateTime SideTimeAt(const ClockSide& side, const ClockReading& now, const TimeZoneRules& zones);

// The offset index nearest to a zone's time, for programs that know only
// the fixed offsets: pcLocal - zoneTime in half hours, plus 47. A zone a
// quarter of an hour between two steps (+5:45 against +9 is 6.5 half hours)
// takes the step nearer to the computer's own time. Not limited to 0..94:
// the fixed-offset formula uses any index as it is.
std::int32_t NearestDiffIndex(DateTime pcLocal, DateTime zoneTime);

// The DiffIndex a settings file should carry for the side: the zone's
// current offset when the side follows a known zone, else its own.
std::int32_t DiffIndexToStore(const ClockSide& side, const ClockReading& now,
                              const TimeZoneRules& zones);

} // namespace velmora
