#pragma once
#include "engine/clock_source.h"

namespace velmora {

// The computer's local time and UTC, to the millisecond, from one reading.
class Win32ClockSource final : public ClockSource {
  public:
    ClockReading Read() const override;
};

} // namespace velmora
