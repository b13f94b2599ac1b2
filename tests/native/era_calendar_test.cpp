#include "engine/era_calendar.h"

#include <gtest/gtest.h>

#include "tests/native/shown_text.h"

#include "engine/format_pattern.h"

namespace velmora {
namespace {

using namespace std::chrono;

constexpr std::int32_t Japanese = 0x0411, Taiwan = 0x0404, Prc = 0x0804, Korean = 0x0412,
                       English = 0x0409;

// The era text the formatter writes on a PC with the given locale.
TEST(EraCalendar, FormatsEraTokensByThePcLocale) {
    struct Case {
        std::int32_t pcLocale;
        year_month_day date;
        const char *pattern, *expected;
    } const cases[] = {
        {Japanese, year{2026} / December / 7, "ggge年m月d日", "令和8年12月7日"},
        {Japanese, year{2019} / April / 30, "ggge年m月d日 eee", "平成31年4月30日 31"},
        {Japanese, year{2026} / December / 7, "g e ee eee", "令 8 08 8"},
        {Japanese, year{1867} / December / 31, "[gg ee]", "[ ]"}, // before Meiji: no era
        {Japanese, year{1868} / January / 1, "gg ee", "明治 01"},
        {Japanese, year{1912} / July / 29, "gg ee", "明治 45"},
        {Japanese, year{1912} / July / 30, "gg ee", "大正 01"},
        {Japanese, year{1926} / December / 24, "gg ee", "大正 15"},
        {Japanese, year{1926} / December / 25, "gg ee", "昭和 01"},
        {Japanese, year{1989} / January / 7, "gg ee", "昭和 64"},
        {Japanese, year{1989} / January / 8, "gg ee", "平成 01"},
        {Japanese, year{2019} / May / 1, "gg ee", "令和 01"},
        {Japanese, year{2118} / May / 1, "gg ee eee", "令和 00 100"},
        {Taiwan, year{2026} / December / 7, "gg g e ee eee", "中華民國 民國 15 15 115"},
        {Taiwan, year{1912} / January / 1, "gg e ee eee", "中華民國 1 01 1"},
        {Taiwan, year{1911} / December / 31, "[gg eee]", "[ ]"},
        {Korean, year{2026} / December / 7, "gg g e ee eee", "檀紀 檀紀 59 59 4359"},
        {Korean, year{1} / January / 1, "gg eee", "檀紀 2334"},
        {English, year{2009} / March / 1, "gg g e ee eee", "A.D. A.D. 9 09 2009"},
        {Prc, year{2026} / December / 7, "gg g eee", "A.D. A.D. 2026"}, // only Taiwan shortens
        {English, year{0} / December / 31, "[gg eee]", "[ ]"},
    };
    for (const Case& c : cases) {
        const BuiltInEraCalendar calendar(c.pcLocale);
        const PcLocaleFacts pc{c.pcLocale, c.pcLocale & 0x3FF, (c.pcLocale >> 10) & 0x3F, &calendar,
                               &TestDecoder()};
        EXPECT_EQ(FormatPattern(c.pattern, EncodeDateTime(c.date), TFormatSettings{}, pc),
                  Shown(c.expected))
            << c.pattern << " on " << c.pcLocale << " at " << int(c.date.year());
    }

    // No calendar: the era tokens write nothing.
    const PcLocaleFacts noCalendar{Japanese, LangJapanese, 1, nullptr, &TestDecoder()};
    EXPECT_EQ(FormatPattern("ggge年m月d日", EncodeDateTime(year{2026} / December / 7),
                            TFormatSettings{}, noCalendar),
              u"年12月7日");
}

TEST(EraCalendar, AnswersOnlyTheThreePictures) {
    const BuiltInEraCalendar calendar(Japanese);
    const year_month_day date = year{2026} / December / 7;
    EXPECT_EQ(calendar.EraText(date, "gg"), Text("令和"));
    EXPECT_EQ(calendar.EraText(date, "yy"), Text("08"));
    EXPECT_EQ(calendar.EraText(date, "yyyy"), Text("8"));
    EXPECT_EQ(calendar.EraText(date, "g"), std::nullopt);
    EXPECT_EQ(calendar.EraText(year{2026} / February / 30, "gg"), std::nullopt);
}

} // namespace
} // namespace velmora
