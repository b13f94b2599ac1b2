#pragma once
// The computer's clock, behind an interface so that tests can set it.
#include "engine/date_time.h"

namespace velmora {

// One reading of the clock: the computer's local time and UTC of the same
// instant, so that a side following a time zone and the blink that follows
// the computer's seconds never disagree about which second it is.
struct ClockReading {
    DateTime Local = 0;
    DateTime Utc = 0;
};

class ClockSource {
  public:
    virtual ~ClockSource() = default;
    virtual ClockReading Read() const = 0;
    DateTime Now() const { return Read().Local; }
};

} // namespace velmora
