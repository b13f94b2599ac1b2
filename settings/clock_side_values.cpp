#include "settings/clock_side_values.h"

#include "engine/pattern_lists.h"

namespace velmora {

ClockSide ClockSideOf(const SideSettings& values) {
    ClockSide side;
    static_cast<SideSettings&>(side) = values;
    BuildPatternLists(side);
    return side;
}

} // namespace velmora
