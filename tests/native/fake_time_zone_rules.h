#pragma once
// Time zones from simple rules: fixed offsets, and one zone with daylight
// saving as the United States keep it since 2007.
#include <chrono>
#include <map>

#include "engine/time_zone_rules.h"

namespace velmora {

class FakeTimeZoneRules final : public TimeZoneRules {
  public:
    static constexpr const char* UsCentral = "Central Standard Time";

    std::optional<DateTime> ToZoneTime(const Text& keyName, DateTime utc) const override {
        if (keyName == UsCentral)
            return utc + (InUsDaylightTime(utc, -6) ? -5 : -6) / 24.0;
        const auto found = fixedMinutes_.find(keyName);
        if (found == fixedMinutes_.end())
            return std::nullopt;
        return utc + found->second / (24.0 * 60);
    }

    std::vector<TimeZoneEntry> Zones() const override {
        return {{"Central Standard Time", "(UTC-06:00) 中部標準時 (米国およびカナダ)"},
                {"India Standard Time", "(UTC+05:30) チェンナイ、コルカタ、ムンバイ、ニューデリー"},
                {"Nepal Standard Time", "(UTC+05:45) カトマンズ"},
                {"Tokyo Standard Time", "(UTC+09:00) 大阪、札幌、東京"}};
    }

  private:
    // From the second Sunday of March at 02:00 standard time to the first
    // Sunday of November at 02:00 daylight time.
    static bool InUsDaylightTime(DateTime utc, int standardHours) {
        using namespace std::chrono;
        const year y = DecodeDateTime(utc).date.year();
        const auto at = [](year_month_weekday day, int localHour, int offsetHours) {
            return EncodeDateTime(year_month_day{sys_days{day}}, localHour - offsetHours);
        };
        const DateTime start = at(y / March / Sunday[2], 2, standardHours);
        const DateTime end = at(y / November / Sunday[1], 2, standardHours + 1);
        return start <= utc && utc < end;
    }

    std::map<Text, int> fixedMinutes_{{"India Standard Time", 5 * 60 + 30},
                                      {"Nepal Standard Time", 5 * 60 + 45},
                                      {"Tokyo Standard Time", 9 * 60}};
};

} // namespace velmora
