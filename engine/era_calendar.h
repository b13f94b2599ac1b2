#pragma once
// Era texts from built-in era tables, the same on every platform.
#include <cstdint>
#include <span>

#include "engine/alt_calendar.h"

namespace velmora {

struct Era {
    std::chrono::year_month_day start; // first day of the era
    const char* name;                  // code page 932
    int firstYear;                     // era year of the start's Gregorian year
};

// The era calendar of a PC's locale: Japanese eras for Japanese, the Taiwan
// calendar for Chinese (Taiwan), the Tangun era for Korean, and the Gregorian
// calendar ("A.D.") for every other locale.
class BuiltInEraCalendar final : public AltCalendar {
  public:
    explicit BuiltInEraCalendar(std::int32_t pcLocale);

    std::optional<Text> EraText(std::chrono::year_month_day date,
                                std::string_view picture) const override;

  private:
    std::span<const Era> eras_; // oldest first
};

} // namespace velmora
