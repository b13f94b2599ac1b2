#pragma once
// The engine's clock side from the values the settings file keeps for it.
#include "engine/clock_side.h"
#include "settings/settings_record.h"

namespace velmora {

// Its pattern lists are built on the built-in patterns until the side's
// locale settings are loaded.
ClockSide ClockSideOf(const SideSettings& values);

} // namespace velmora
