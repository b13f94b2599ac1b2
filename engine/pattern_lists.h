#pragma once
// The date and time pattern lists of a side: two locale entries, then the
// fixed patterns shared by both sides. The locale's own date entries are the
// tokens "ddddd" and "dddddd", which write the side's short and long date
// patterns as the system gives them, characters beyond code page 932
// included.
#include <array>

#include "engine/clock_side.h"

namespace velmora {

constexpr int DatePatternCount = 32;
constexpr int TimePatternCount = 8;

// Entries 0 and 1 of the date list.
inline constexpr const char* LocaleShortDate = "ddddd";
inline constexpr const char* LocaleLongDate = "dddddd";

extern const std::array<const char*, DatePatternCount - 2> FixedDatePatterns;
extern const std::array<const char*, TimePatternCount - 2> FixedTimePatterns;

// Sizes both lists and fills them from the side's FormatSettings and the fixed patterns.
void BuildPatternLists(ClockSide& side);
// Replaces only the two locale entries of both lists.
void RefreshLocalePatterns(ClockSide& side);

} // namespace velmora
