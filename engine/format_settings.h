#pragma once
// The formatting data of one locale, with the defaults used when a locale
// item cannot be read. The names, the before/after-noon texts and the
// locale's own date patterns are shown text (UTF-16, as the system gives
// them, so that every language's literals reach the screen); the time
// patterns and separators are the clock's code page 932 text.
#include <array>
#include <cstdint>

#include "engine/text.h"
#include "engine/wide_text.h"

namespace velmora {

struct TFormatSettings {
    char DecimalSep = '.'; // before the fraction of a second in a time text
    char DateSep = '/';    // NUL: the "/" token writes nothing
    char TimeSep = ':';    // NUL: the ":" token writes nothing
    WideText ShortDatePattern = u"m/d/yy";
    WideText LongDatePattern = u"mmmm d, yyyy";
    WideText AmText = u"am";
    WideText PmText = u"pm";
    Text ShortTimePattern = "h:mm AMPM";
    Text LongTimePattern = "h:mm:ss AMPM";
    // Index 0 is January.
    std::array<WideText, 12> MonthAbbrevs{u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                          u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
    std::array<WideText, 12> MonthNames{u"January",   u"February", u"March",    u"April",
                                        u"May",       u"June",     u"July",     u"August",
                                        u"September", u"October",  u"November", u"December"};
    // The forms a month name takes after a day number ("9 grudnia"); the
    // same as the names above for a language without them.
    std::array<WideText, 12> GenitiveMonthAbbrevs = MonthAbbrevs;
    std::array<WideText, 12> GenitiveMonthNames = MonthNames;
    // Index 0 is Sunday.
    std::array<WideText, 7> DayAbbrevs{u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
    std::array<WideText, 7> DayNames{u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                     u"Thursday", u"Friday", u"Saturday"};

    bool operator==(const TFormatSettings&) const = default;
};

} // namespace velmora
