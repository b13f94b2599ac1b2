#include "engine/side_time.h"

#include <cmath>

#include "engine/offset_table.h"

namespace velmora {
namespace {

std::optional<DateTime> ZoneTimeOf(const ClockSide& side, const ClockReading& now,
                                   const TimeZoneRules& zones) {
    if (side.TimeZone.empty())
        return std::nullopt;
    return zones.ToZoneTime(side.TimeZone, now.Utc);
}

} // namespace

DateTime SideTimeAt(const ClockSide& side, const ClockReading& now, const TimeZoneRules& zones) {
    // A zone the platform does not know (a file from another computer)
    // falls back to the offset stored beside it.
    return ZoneTimeOf(side, now, zones).value_or(ComputeSideTime(now.Local, side.DiffIndex));
}

std::int32_t NearestDiffIndex(DateTime pcLocal, DateTime zoneTime) {
    // Zone offsets are whole minutes; rounding to the minute first keeps the
    // floating-point rest of the two readings out of the tie decision.
    constexpr long long MinutesPerHalfHour = 30;
    const long long minutes = std::llround((pcLocal - zoneTime) * 24 * 60);
    long long halfHours = minutes / MinutesPerHalfHour; // towards zero
    const long long rest = minutes % MinutesPerHalfHour;
    if (rest > MinutesPerHalfHour / 2)
        ++halfHours;
    else if (rest < -MinutesPerHalfHour / 2)
        --halfHours;
    return static_cast<std::int32_t>(ZeroOffsetIndex + halfHours);
}

std::int32_t DiffIndexToStore(const ClockSide& side, const ClockReading& now,
                              const TimeZoneRules& zones) {
    const auto zoneTime = ZoneTimeOf(side, now, zones);
    return zoneTime ? NearestDiffIndex(now.Local, *zoneTime) : side.DiffIndex;
}

} // namespace velmora
