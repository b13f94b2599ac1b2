#pragma once
#include "engine/clock_source.h"

namespace velmora {

// The local time of the computer, to the millisecond.
class Win32ClockSource final : public ClockSource {
  public:
    DateTime Now() const override;
};

} // namespace velmora
