#pragma once
// The platform's time zones: their names, and their local time at a UTC
// instant with daylight saving and each year's own rules applied.
#include <optional>
#include <vector>

#include "engine/date_time.h"
#include "engine/text.h"

namespace velmora {

struct TimeZoneEntry {
    Text KeyName;     // the platform's key, e.g. "Central Standard Time"; kept in files
    Text DisplayName; // localized, e.g. "(UTC-06:00) 中部標準時 (米国およびカナダ)"

    bool operator==(const TimeZoneEntry&) const = default;
};

class TimeZoneRules {
  public:
    virtual ~TimeZoneRules() = default;
    // The zone's local time at `utc`; nothing for a key the platform does not know.
    virtual std::optional<DateTime> ToZoneTime(const Text& keyName, DateTime utc) const = 0;
    // Every zone the platform knows, in the order it offers them to a user.
    virtual std::vector<TimeZoneEntry> Zones() const = 0;
};

} // namespace velmora
