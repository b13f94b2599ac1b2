#pragma once
// The computer's local time, behind an interface so that tests can set it.
#include "engine/date_time.h"

namespace velmora {

class ClockSource {
  public:
    virtual ~ClockSource() = default;
    virtual DateTime Now() const = 0;
};

} // namespace velmora
