#pragma once
// Era texts for the "g" and "e" pattern tokens.
#include <chrono>
#include <optional>
#include <string_view>

#include "engine/text.h"

namespace velmora {

class AltCalendar {
  public:
    virtual ~AltCalendar() = default;
    // picture "gg": the era name; "yy": the era year in two-digit form;
    // "yyyy": the era year in long form. No value when the date has no era.
    virtual std::optional<Text> EraText(std::chrono::year_month_day date,
                                        std::string_view picture) const = 0;
};

} // namespace velmora
