#include "settings/clock_side_values.h"

#include "engine/pattern_lists.h"

namespace velmora {

ClockSide ClockSideOf(const SideSettings& values) {
    ClockSide side;
    side.BoxName = values.boxName;
    side.DiffIndex = values.diffIndex;
    side.TimeZone = values.timeZone;
    side.LocaleID = values.localeId;
    side.DateIndex = values.dateIndex;
    side.TimeIndex = values.timeIndex;
    BuildPatternLists(side);
    return side;
}

} // namespace velmora
