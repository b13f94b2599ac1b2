#pragma once
#include <windows.h>

#include <map>
#include <optional>
#include <set>
#include <vector>

#include "engine/time_zone_rules.h"

namespace velmora {

// Windows' dynamic time-zone data, read from the registry's "Time Zones"
// keys. A zone is read the first time it is asked for and its rules once per
// year, so the conversion that runs every second for each side reads no
// registry; the list with its display names is read once, when first asked for.
class Win32TimeZoneRules final : public TimeZoneRules {
  public:
    std::optional<DateTime> ToZoneTime(const Text& keyName, DateTime utc) const override;
    std::vector<TimeZoneEntry> Zones() const override;

  private:
    struct Zone {
        DYNAMIC_TIME_ZONE_INFORMATION info{};
        int rulesYear = 0; // the year `rules` belong to; 0 before the first reading
        TIME_ZONE_INFORMATION rules{};
    };

    // Nothing for a key the system does not know; remembered either way.
    // Keys match exactly, as the list gives them, although the registry
    // would take any letter case.
    std::optional<Zone>& Find(const Text& keyName) const;
    const TIME_ZONE_INFORMATION* RulesFor(Zone& zone, int year) const;

    mutable std::optional<std::set<Text>> keyNames_; // every key, read once
    mutable std::map<Text, std::optional<Zone>> zones_;
    mutable std::vector<TimeZoneEntry> entries_; // filled by the first Zones()
};

} // namespace velmora
