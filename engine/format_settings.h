#pragma once
// The formatting data of one locale, with the defaults used when a locale
// item cannot be read.
#include <array>
#include <cstdint>

#include "engine/text.h"

namespace velmora {

struct TFormatSettings {
    std::uint8_t CurrencyOrder = 0;
    std::uint8_t NegCurrencyOrder = 0;
    char ThousandsSep = ',';
    char DecimalSep = '.';
    std::uint8_t CurrencyDigits = 0;
    char DateSep = '/'; // NUL: the "/" token writes nothing
    char TimeSep = ':'; // NUL: the ":" token writes nothing
    char ListSep = ',';
    Text CurrencySymbol;
    Text ShortDatePattern = "m/d/yy";
    Text LongDatePattern = "mmmm d, yyyy";
    Text AmText = "am";
    Text PmText = "pm";
    Text ShortTimePattern = "h:mm AMPM";
    Text LongTimePattern = "h:mm:ss AMPM";
    // Index 0 is January.
    std::array<Text, 12> MonthAbbrevs{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<Text, 12> MonthNames{"January",   "February", "March",    "April",
                                    "May",       "June",     "July",     "August",
                                    "September", "October",  "November", "December"};
    // Index 0 is Sunday.
    std::array<Text, 7> DayAbbrevs{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<Text, 7> DayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
    std::uint16_t CenturyWindow = 0; // kept for the record's shape; nothing reads it

    bool operator==(const TFormatSettings&) const = default;
};

} // namespace velmora
