#include "engine/pattern_lists.h"

namespace velmora {

const std::array<const char*, DatePatternCount - 2> FixedDatePatterns{
    "m/d",          "m/d(ddd)",          "m/d(dddd)",
    "mm/dd",        "mm/dd(ddd)",        "mm/dd(dddd)",
    "mmm/dd",       "mmm/dd(ddd)",       "mmm/dd(dddd)",
    "yy/mm/dd",     "yy/mm/dd(ddd)",     "yy/mm/dd(dddd)",
    "yy/mmm/dd",    "yy/mmm/dd(ddd)",    "yy/mmm/dd(dddd)",
    "yy/mmmm/dd",   "yy/mmmm/dd(ddd)",   "yy/mmmm/dd(dddd)",
    "yyyy/mm/dd",   "yyyy/mm/dd(ddd)",   "yyyy/mm/dd(dddd)",
    "yyyy/mmm/dd",  "yyyy/mmm/dd(ddd)",  "yyyy/mmm/dd(dddd)",
    "yyyy/mmmm/dd", "yyyy/mmmm/dd(ddd)", "yyyy/mmmm/dd(dddd)",
    "ggge年m月d日", "ggge年m月d日(ddd)", "ggge年m月d日(dddd)",
};

const std::array<const char*, TimePatternCount - 2> FixedTimePatterns{
    "h:nn", "hh:nn", "AM/PM h:nn", "AM/PM hh:nn", "ampm h:nn", "ampm hh:nn",
};

namespace {

template <std::size_t N>
void BuildList(std::vector<Text>& list, const Text& shortPattern, const Text& longPattern,
               const std::array<const char*, N>& fixed) {
    list.clear();
    list.reserve(N + 2);
    list.push_back(shortPattern);
    list.push_back(longPattern);
    list.insert(list.end(), fixed.begin(), fixed.end());
}

// Entries 0 and 1 follow the locale; a list that was never built in full is
// built now rather than written past its end.
template <std::size_t N>
void RefreshList(std::vector<Text>& list, const Text& shortPattern, const Text& longPattern,
                 const std::array<const char*, N>& fixed) {
    if (list.size() != N + 2) {
        BuildList(list, shortPattern, longPattern, fixed);
        return;
    }
    list[0] = shortPattern;
    list[1] = longPattern;
}

} // namespace

void BuildPatternLists(ClockSide& side) {
    const TFormatSettings& fs = side.FormatSettings;
    BuildList(side.DatePatternList, LocaleShortDate, LocaleLongDate, FixedDatePatterns);
    BuildList(side.TimePatternList, fs.ShortTimePattern, fs.LongTimePattern, FixedTimePatterns);
}

void RefreshLocalePatterns(ClockSide& side) {
    const TFormatSettings& fs = side.FormatSettings;
    RefreshList(side.DatePatternList, LocaleShortDate, LocaleLongDate, FixedDatePatterns);
    RefreshList(side.TimePatternList, fs.ShortTimePattern, fs.LongTimePattern, FixedTimePatterns);
}

} // namespace velmora
