#include "engine/era_calendar.h"

#include <array>

#include "engine/pc_locale.h"

namespace velmora {

namespace {

using namespace std::chrono;

// Meiji starts on 1868-01-01, as the era table of Windows starts it, not on
// the day the era was proclaimed.
constexpr std::array<Era, 5> JapaneseEras{{
    {year{1868} / January / 1, "明治", 1},
    {year{1912} / July / 30, "大正", 1},
    {year{1926} / December / 25, "昭和", 1},
    {year{1989} / January / 8, "平成", 1},
    {year{2019} / May / 1, "令和", 1},
}};

constexpr std::array<Era, 1> TaiwanEras{{
    {year{1912} / January / 1, "中華民國", 1},
}};

// The Tangun era is written "단기" in Hangul, which code page 932 cannot
// hold; its Hanja form is.
constexpr std::array<Era, 1> KoreanEras{{
    {year{1} / January / 1, "檀紀", 2334},
}};

constexpr std::array<Era, 1> GregorianEras{{
    {year{1} / January / 1, "A.D.", 1},
}};

constexpr int TaiwanSubLanguage = 1;

std::span<const Era> ErasOf(std::int32_t pcLocale) {
    const int primary = pcLocale & 0x3FF;
    const int sub = (pcLocale >> 10) & 0x3F;
    if (primary == LangJapanese)
        return JapaneseEras;
    if (primary == LangChinese && sub == TaiwanSubLanguage)
        return TaiwanEras;
    if (primary == LangKorean)
        return KoreanEras;
    return GregorianEras;
}

Text Digits(long long value) {
    return std::to_string(value);
}

} // namespace

BuiltInEraCalendar::BuiltInEraCalendar(std::int32_t pcLocale) : eras_(ErasOf(pcLocale)) {}

// Dates before the first era of the table have no era text. The two-digit
// form is the era year modulo 100, zero-padded ("08", "15" for 115); the
// long form is the era year unpadded ("8", "115", "4359").
std::optional<Text> BuiltInEraCalendar::EraText(year_month_day date,
                                                std::string_view picture) const {
    if (!date.ok())
        return std::nullopt;
    const Era* era = nullptr;
    for (const Era& candidate : eras_) {
        if (date >= candidate.start)
            era = &candidate;
    }
    if (era == nullptr)
        return std::nullopt;

    const long long eraYear =
        static_cast<int>(date.year()) - static_cast<int>(era->start.year()) + era->firstYear;
    if (picture == "gg")
        return Text(era->name);
    if (picture == "yy") {
        const long long twoDigits = eraYear % 100;
        return twoDigits < 10 ? "0" + Digits(twoDigits) : Digits(twoDigits);
    }
    if (picture == "yyyy")
        return Digits(eraYear);
    return std::nullopt;
}

} // namespace velmora
