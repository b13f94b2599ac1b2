#include "engine/locale_settings.h"

#include <gtest/gtest.h>

#include "tests/native/fake_locale_source.h"

namespace velmora {
namespace {

namespace item = locale_item;

constexpr std::int32_t Japanese = 1041;
constexpr std::int32_t English = 1033;
constexpr std::int32_t German = 1031;

PcLocaleFacts JapanesePc() {
    PcLocaleFacts pc;
    pc.PcLocale = Japanese;
    pc.PcPrimaryLanguage = LangJapanese;
    pc.PcSubLanguage = 1;
    return pc;
}

// A Japanese PC on the Gregorian calendar.
FakeLocaleSource JapaneseSource() {
    FakeLocaleSource source;
    source.Install(Japanese);
    source.Set(Japanese, item::ICalendarType, "1");
    source.Set(Japanese, item::SDate, "/");
    source.Set(Japanese, item::STime, ":");
    source.Set(Japanese, item::SShortDate, "yyyy/MM/dd");
    source.Set(Japanese, item::SLongDate, "gg yyyy'年'M'月'd'日'");
    source.Set(Japanese, item::S1159, "午前");
    source.Set(Japanese, item::S2359, "午後");
    source.Set(Japanese, item::ITime, "1");
    source.Set(Japanese, item::ITLZero, "0");
    source.Set(Japanese, item::SMonthName1 + 11, "12月");
    source.Set(Japanese, item::SDayName1, "月曜日");
    source.Set(Japanese, item::SDayName1 + 6, "日曜日");
    return source;
}

TEST(LoadLocaleSettings, SeparatorsAreOneByteOrTheirDefault) {
    FakeLocaleSource source = JapaneseSource();
    source.Set(Japanese, item::SDate, "--");       // two bytes
    source.Set(Japanese, item::STime, "");         // empty: NUL
    source.Set(Japanese, item::SDecimal, ",");     // one byte
    source.Set(Japanese, item::SThousand, "\xA0"); // one byte above 0x7F
    source.Set(Japanese, item::SList, "；");       // one two-byte character
    TFormatSettings settings;
    LoadLocaleSettings(source, JapanesePc(), Japanese, settings);
    EXPECT_EQ(settings.DateSep, '/');
    EXPECT_EQ(settings.TimeSep, '\0');
    EXPECT_EQ(settings.DecimalSep, ',');
    EXPECT_EQ(settings.ThousandsSep, '\xA0');
    EXPECT_EQ(settings.ListSep, ',');
}

TEST(LoadLocaleSettings, TextItemsFallBackOnlyWhenUnreadable) {
    FakeLocaleSource source = JapaneseSource();
    source.Set(Japanese, item::S1159, "");
    source.Set(Japanese, item::S2359, "");
    source.Set(Japanese, item::SCurrency, "￥");
    TFormatSettings settings;
    settings.CurrencySymbol = "stale";
    LoadLocaleSettings(source, JapanesePc(), Japanese, settings);
    EXPECT_EQ(settings.AmText, "");
    EXPECT_EQ(settings.PmText, "");
    EXPECT_EQ(settings.CurrencySymbol, "￥");

    FakeLocaleSource bare;
    bare.Install(Japanese);
    settings.CurrencySymbol = "stale";
    LoadLocaleSettings(bare, JapanesePc(), Japanese, settings);
    EXPECT_EQ(settings.AmText, "am");
    EXPECT_EQ(settings.PmText, "pm");
    EXPECT_EQ(settings.CurrencySymbol, "");
    EXPECT_EQ(settings.ShortDatePattern, "m/d/yy");
    EXPECT_EQ(settings.LongDatePattern, "mmmm d, yyyy");
    EXPECT_EQ(settings.ShortTimePattern, "h:mm AMPM");
    EXPECT_EQ(settings.LongTimePattern, "h:mm:ss AMPM");
}

TEST(LoadLocaleSettings, NumberItemsAreDecimalOrZero) {
    FakeLocaleSource source = JapaneseSource();
    source.Set(Japanese, item::ICurrency, "3");
    source.Set(Japanese, item::INegCurr, "x1");
    source.Set(Japanese, item::ICurrDigits, "2");
    TFormatSettings settings;
    settings.NegCurrencyOrder = 7;
    LoadLocaleSettings(source, JapanesePc(), Japanese, settings);
    EXPECT_EQ(settings.CurrencyOrder, 3);
    EXPECT_EQ(settings.NegCurrencyOrder, 0);
    EXPECT_EQ(settings.CurrencyDigits, 2);
}

TEST(LoadLocaleSettings, BuildsTimePatternsFromHourClockAndMarkerItems) {
    struct Case {
        const char* leadingZero;
        const char* clock;
        const char* markerFirst;
        const char* shortPattern;
        const char* longPattern;
    };
    const Case cases[] = {
        {"0", "1", "0", "h:mm", "h:mm:ss"},
        {"1", "1", "1", "hh:mm", "hh:mm:ss"},
        {"0", "0", "0", "h:mm AMPM", "h:mm:ss AMPM"},
        {"1", "0", "1", "AMPM hh:mm", "AMPM hh:mm:ss"},
        {"2", "2", "0", "hh:mm", "hh:mm:ss"},
        {"?", "?", "?", "h:mm AMPM", "h:mm:ss AMPM"},
    };
    for (const Case& c : cases) {
        FakeLocaleSource source = JapaneseSource();
        source.Set(Japanese, item::ITLZero, c.leadingZero);
        source.Set(Japanese, item::ITime, c.clock);
        source.Set(Japanese, item::ITimeMarkPosn, c.markerFirst);
        TFormatSettings settings;
        LoadLocaleSettings(source, JapanesePc(), Japanese, settings);
        EXPECT_EQ(settings.ShortTimePattern, c.shortPattern) << c.leadingZero << c.clock;
        EXPECT_EQ(settings.LongTimePattern, c.longPattern) << c.leadingZero << c.clock;
    }
}

TEST(LoadLocaleSettings, ReadsEveryNameItemInItsPlaceOrTheEnglishDefault) {
    FakeLocaleSource source;
    for (std::uint32_t i = 0; i < 12; ++i) {
        source.Set(German, item::SMonthName1 + i, "M" + std::to_string(i + 1));
        source.Set(German, item::SAbbrevMonthName1 + i, "m" + std::to_string(i + 1));
    }
    for (std::uint32_t i = 0; i < 7; ++i) {
        source.Set(German, item::SDayName1 + i, "D" + std::to_string(i + 1));
        source.Set(German, item::SAbbrevDayName1 + i, "d" + std::to_string(i + 1));
    }
    source.Set(German, item::SMonthName1 + 1, "");     // empty: the English default
    source.Set(German, item::SAbbrevDayName1 + 2, ""); // Wednesday
    TFormatSettings settings;
    LoadLocaleSettings(source, JapanesePc(), German, settings);
    EXPECT_EQ(settings.MonthNames[1], "February");
    EXPECT_EQ(settings.DayAbbrevs[3], "Wed");
    settings.MonthNames[1] = "M2";
    settings.DayAbbrevs[3] = "d3";
    for (std::size_t m = 0; m < 12; ++m) {
        EXPECT_EQ(settings.MonthNames[m], "M" + std::to_string(m + 1));
        EXPECT_EQ(settings.MonthAbbrevs[m], "m" + std::to_string(m + 1));
    }
    const char* const dayItems[] = {"7", "1", "2", "3", "4", "5", "6"}; // Sunday first
    for (std::size_t d = 0; d < 7; ++d) {
        EXPECT_EQ(settings.DayNames[d], Text("D") + dayItems[d]);
        EXPECT_EQ(settings.DayAbbrevs[d], Text("d") + dayItems[d]);
    }
}

TEST(LoadLocaleSettings, ALocaleNotInstalledTakesAllButItsNamesFromThePc) {
    FakeLocaleSource source = JapaneseSource();
    source.Set(German, item::SDate, ".");
    source.Set(German, item::SShortDate, "dd.MM.yyyy");
    source.Set(German, item::SMonthName1, "Januar");
    TFormatSettings settings;
    settings.CenturyWindow = 50;
    LoadLocaleSettings(source, JapanesePc(), German, settings);
    EXPECT_EQ(settings.DateSep, '/');
    EXPECT_EQ(settings.ShortDatePattern, "yyyy/MM/dd");
    EXPECT_EQ(settings.AmText, "午前");
    EXPECT_EQ(settings.ShortTimePattern, "h:mm");
    EXPECT_EQ(settings.MonthNames[0], "Januar");
    EXPECT_EQ(settings.MonthNames[11], "December"); // not the PC's "12月"
    EXPECT_EQ(settings.CenturyWindow, 50);

    source.Install(German);
    LoadLocaleSettings(source, JapanesePc(), German, settings);
    EXPECT_EQ(settings.DateSep, '.');
    EXPECT_EQ(settings.ShortDatePattern, "dd.MM.yyyy");
    EXPECT_EQ(settings.AmText, "am");
}

TEST(TranslateLocaleDatePattern, FollowsThePcsCalendarAndLanguage) {
    struct Case {
        const char* calendarType; // nullptr: unreadable
        int primaryLanguage;
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {"1", LangJapanese, "gg yyyy", " yyyy"},
        {"1", LangJapanese, "Gg y'年'", " y'年'"},
        {"1", LangJapanese, "'ト'yyyy", "'ト'yyyy"}, // 0x83 0x67: the "g" is a second byte
        {"1", LangKorean, "yyyy gg", "yyyy "},
        {"1", LangChinese, "ggyyyy", "yyyy"},
        {nullptr, LangJapanese, "gg yyyy", " yyyy"},
        {"1", 0x09, "gg yyyy", "gg yyyy"},
        {"3", LangJapanese, "yyyy/MM/dd", "eeee/MM/dd"},
        {"3", LangJapanese, "gg y", "ggg e"},
        {"4", 0x09, "YYYY yy Y", "eeee ee e"},
        {"5", LangKorean, "yyyyy", "eeeee"},
        {"3", LangJapanese, "ggg", "gggg"},
        {"3", LangJapanese, "'ト'yy", "'ト'ee"},
        {"2", 0x09, "gg yyyy", "gg yyyy"},
        {"x", LangJapanese, "gg yyyy", " yyyy"}, // not a number: no era calendar
    };
    for (const Case& c : cases) {
        FakeLocaleSource source;
        PcLocaleFacts pc;
        pc.PcLocale = 5000;
        pc.PcPrimaryLanguage = c.primaryLanguage;
        if (c.calendarType)
            source.Set(pc.PcLocale, item::ICalendarType, c.calendarType);
        EXPECT_EQ(TranslateLocaleDatePattern(c.pattern, source, pc), c.expected) << c.pattern;
    }
}

TEST(LoadLocaleSettings, RewritesDatePatternsByThePcNotTheLanguage) {
    FakeLocaleSource source = JapaneseSource();
    source.Install(English);
    source.Set(English, item::SShortDate, "M/d/yyyy");
    source.Set(English, item::SLongDate, "dddd, MMMM d, yyyy gg");
    source.Set(Japanese, item::ICalendarType, "3");
    TFormatSettings settings;
    LoadLocaleSettings(source, JapanesePc(), English, settings);
    EXPECT_EQ(settings.ShortDatePattern, "M/d/eeee");
    EXPECT_EQ(settings.LongDatePattern, "dddd, MMMM d, eeee ggg");
}

TEST(LoadPcSettings, TakesTheThreadLocaleAndReadsEverythingFromIt) {
    FakeLocaleSource source = JapaneseSource();
    source.SetThreadLocale(Japanese);
    const PcSettings pc = LoadPcSettings(source);
    EXPECT_EQ(pc.Facts.PcLocale, Japanese);
    EXPECT_EQ(pc.Facts.PcPrimaryLanguage, LangJapanese);
    EXPECT_EQ(pc.Facts.PcSubLanguage, 1);
    EXPECT_EQ(pc.Facts.Calendar, nullptr);
    EXPECT_EQ(pc.FormatSettings.LongDatePattern, " yyyy'年'M'月'd'日'");
    EXPECT_EQ(pc.FormatSettings.PmText, "午後");
    EXPECT_EQ(pc.FormatSettings.MonthNames[11], "12月");
}

TEST(LoadPcSettings, SplitsTheLanguageAndFallsBackToEnglish) {
    struct Case {
        std::int32_t thread;
        std::int32_t locale;
        int primary;
        int sub;
    };
    const Case cases[] = {
        {0x0404, 0x0404, 0x04, 1}, {0x0804, 0x0804, 0x04, 2},   {0x0411, 0x0411, 0x11, 1},
        {0, 0x0409, 0x09, 1},      {0x10000, 0x10000, 0x09, 1}, // low 16 bits zero
    };
    for (const Case& c : cases) {
        FakeLocaleSource source;
        source.SetThreadLocale(c.thread);
        const PcSettings pc = LoadPcSettings(source);
        EXPECT_EQ(pc.Facts.PcLocale, c.locale) << c.thread;
        EXPECT_EQ(pc.Facts.PcPrimaryLanguage, c.primary) << c.thread;
        EXPECT_EQ(pc.Facts.PcSubLanguage, c.sub) << c.thread;
    }
}

TEST(LoadPcSettings, AReloadGoesBackToTheUsersDefaultLocale) {
    FakeLocaleSource source = JapaneseSource();
    source.SetThreadLocale(German);
    source.SetUserDefault(Japanese);
    const PcSettings pc = ReloadPcSettings(source);
    EXPECT_EQ(source.ThreadLocale(), Japanese);
    EXPECT_EQ(pc.Facts.PcLocale, Japanese);
    EXPECT_EQ(pc.FormatSettings.AmText, "午前");
}

TEST(ParseDecimal, AcceptsSignedDecimalsOnly) {
    EXPECT_EQ(ParseDecimal("1041"), 1041);
    EXPECT_EQ(ParseDecimal("-5"), -5);
    EXPECT_EQ(ParseDecimal("+7"), 7);
    const char* const rejected[] = {"", "+", "-", "+-1", "12a", " 1", "99999999999", "0x10"};
    for (const char* text : rejected)
        EXPECT_FALSE(ParseDecimal(text).has_value()) << text;
}

} // namespace
} // namespace velmora
