#pragma once
// Where locale data come from: the platform's locale items by identifier.
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/text.h"
#include "engine/wide_text.h"

namespace velmora {

// Locale items read by the clock (Windows LCTYPE numbers).
namespace locale_item {
constexpr std::uint32_t SDecimal = 0x0E;
constexpr std::uint32_t SDate = 0x1D;
constexpr std::uint32_t STime = 0x1E;
constexpr std::uint32_t SShortDate = 0x1F;
constexpr std::uint32_t SLongDate = 0x20;
constexpr std::uint32_t ITime = 0x23;
constexpr std::uint32_t ITLZero = 0x25;
constexpr std::uint32_t S1159 = 0x28;
constexpr std::uint32_t S2359 = 0x29;
constexpr std::uint32_t SDayName1 = 0x2A;       // Monday; 7 is Sunday
constexpr std::uint32_t SAbbrevDayName1 = 0x31; // Monday; 7 is Sunday
constexpr std::uint32_t SMonthName1 = 0x38;
constexpr std::uint32_t SAbbrevMonthName1 = 0x44;
constexpr std::uint32_t IReadingLayout = 0x70; // "1": right to left
constexpr std::uint32_t ITimeMarkPosn = 0x1005;
constexpr std::uint32_t ICalendarType = 0x1009;
// Added to a month name item: the form the name takes in a date.
constexpr std::uint32_t ReturnGenitiveNames = 0x10000000;
} // namespace locale_item

// The platform's national-language services, its code page 932 table
// included.
class LocaleSource : public Cp932Decoder {
  public:
    // GetLocaleInfo: the item's text in code page 932; no value when it cannot be read or is
    // longer than 255 bytes.
    virtual std::optional<Text> LocaleInfo(std::int32_t lcid, std::uint32_t item) const = 0;
    // The same item as the system gives it, for texts that are shown (names,
    // before/after-noon texts); the same rule for what cannot be read.
    virtual std::optional<WideText> LocaleText(std::int32_t lcid, std::uint32_t item) const = 0;
    // Whether the locale's data are installed.
    virtual bool IsValidLocale(std::int32_t lcid) const = 0;
    virtual std::int32_t ThreadLocale() const = 0;
    virtual void ResetThreadLocaleToUserDefault() = 0;
    virtual std::int32_t UserDefaultLCID() const = 0;
    // Equal when case is ignored, by the user's default locale; texts of
    // different length are unequal.
    virtual bool EqualIgnoreCase(std::u16string_view a, std::u16string_view b) const = 0;
};

} // namespace velmora
