#include "engine/offset_table.h"

#include <string>

namespace velmora {

// Whole hours without a fraction, half hours with ".5"; "+" only above zero.
Text OffsetLabel(int index) {
    const long long halfHours = ZeroOffsetIndex - static_cast<long long>(index);
    const long long magnitude = halfHours < 0 ? -halfHours : halfHours;
    Text label = halfHours > 0 ? "+" : (halfHours < 0 ? "-" : "");
    label += std::to_string(magnitude / 2);
    if (magnitude % 2 != 0)
        label += ".5";
    return label;
}

DateTime ComputeSideTime(DateTime pcLocal, std::int32_t diffIndex) {
    // In double precision, so that no index from a settings file can overflow.
    return pcLocal - (static_cast<double>(diffIndex) - ZeroOffsetIndex) * OneHalfHour;
}

} // namespace velmora
