// Real locale data of the Japanese test prefix.
#include <gtest/gtest.h>

#include "engine/conversion_error.h"
#include "engine/era_calendar.h"
#include "engine/format_pattern.h"
#include "engine/language_table.h"
#include "engine/locale_settings.h"
#include "engine/locale_source_win.h"
#include "engine/text_win.h"
#include "engine/time_text.h"

namespace velmora {
namespace {

using namespace std::chrono;

class LocaleWinTest : public ::testing::Test {
  protected:
    LocaleWinTest() : pc(LoadPcSettings(source)), calendar(pc.Facts.PcLocale) {
        pc.Facts.Calendar = &calendar;
    }

    TFormatSettings Load(std::int32_t lcid) {
        TFormatSettings settings;
        LoadLocaleSettings(source, pc.Facts, lcid, settings);
        return settings;
    }

    Win32LocaleSource source;
    PcSettings pc;
    BuiltInEraCalendar calendar;
};

TEST_F(LocaleWinTest, EveryListedLanguageHasItsOwnNamesAndDatePatterns) {
    const DateTime monday = EncodeDateTime(year{2026} / December / 7);
    const TFormatSettings english;
    for (int row = 0; row < LanguageRowCount; ++row) {
        const std::int32_t lcid = LanguageRowToLcid(row);
        const TFormatSettings settings = Load(lcid);
        // Read from the locale, not left at the English defaults.
        if (lcid != 1033) {
            EXPECT_NE(settings.MonthNames, english.MonthNames) << lcid;
            EXPECT_NE(settings.DayAbbrevs, english.DayAbbrevs) << lcid;
        }
        for (const Text& pattern : {settings.ShortDatePattern, settings.LongDatePattern}) {
            const WideText date = FormatPattern(pattern, monday, settings, pc.Facts);
            EXPECT_NE(date.find(u'7'), WideText::npos) << lcid << " " << pattern;
            EXPECT_NE(date.find(u"26"), WideText::npos) << lcid << " " << pattern;
        }
    }
}

TEST_F(LocaleWinTest, EnglishAndJapaneseNames) {
    struct Case {
        std::int32_t lcid;
        std::u16string_view december;
        std::u16string_view monday;
    };
    const Case cases[] = {{1033, u"December", u"Monday"}, {1041, u"12月", u"月曜日"}};
    for (const Case& c : cases) {
        const TFormatSettings settings = Load(c.lcid);
        EXPECT_EQ(settings.MonthNames[11], c.december) << c.lcid;
        EXPECT_EQ(settings.DayNames[1], c.monday) << c.lcid;
    }
}

TEST_F(LocaleWinTest, TheComputersRecordIsJapanese) {
    EXPECT_EQ(pc.Facts.PcLocale, 1041);
    EXPECT_EQ(pc.Facts.PcPrimaryLanguage, LangJapanese);
    EXPECT_EQ(pc.FormatSettings.DateSep, '/');
    EXPECT_EQ(pc.FormatSettings.TimeSep, ':');
    EXPECT_EQ(pc.FormatSettings.ShortTimePattern.find("mm"),
              pc.FormatSettings.ShortTimePattern.size() - 2);
    // A Japanese Gregorian PC drops the era letters of every date pattern.
    EXPECT_EQ(pc.FormatSettings.LongDatePattern.find_first_of("gG"), Text::npos);
}

TEST_F(LocaleWinTest, ParsesTimeTextsWithTheComputersRecord) {
    const TFormatSettings& record = pc.FormatSettings;
    const Text am = FromWide(ToWindowsText(record.AmText));
    const Text pm = FromWide(ToWindowsText(record.PmText));
    struct Case {
        Text text;
        int minutes;
    };
    const Case cases[] = {
        {"09:00", 9 * 60},           {"17:30", 17 * 60 + 30},     {"pm 9:30", 21 * 60 + 30},
        {pm + "3:15", 15 * 60 + 15}, {"3:15 " + am, 3 * 60 + 15},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(ParseTimeText(c.text, record, source), c.minutes / 1440.0) << c.text;
    EXPECT_THROW(ParseTimeText("13:00 PM", record, source), ConversionError);
}

TEST(Win32LocaleSource, ComparesIgnoringCaseOverEqualLengths) {
    const Win32LocaleSource source;
    EXPECT_TRUE(source.EqualIgnoreCase(u"pm", u"PM"));
    EXPECT_TRUE(source.EqualIgnoreCase(u"午後", u"午後"));
    EXPECT_FALSE(source.EqualIgnoreCase(u"午後", u"午前"));
    EXPECT_FALSE(source.EqualIgnoreCase(u"P", u"PM"));
    EXPECT_TRUE(source.IsValidLocale(1041));
    EXPECT_FALSE(source.IsValidLocale(0x7FFF));
    EXPECT_EQ(source.LocaleInfo(1041, locale_item::SDate), Text("/"));
    EXPECT_FALSE(source.LocaleInfo(1041, 0xFFFF).has_value());
}

} // namespace
} // namespace velmora
