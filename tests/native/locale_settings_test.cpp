#include "engine/locale_settings.h"

#include <tuple>

#include <gtest/gtest.h>

#include "tests/native/shown_text.h"

#include "tests/native/fake_locale_source.h"

namespace velmora {
namespace {

namespace item = locale_item;

constexpr std::int32_t Japanese = 1041;
constexpr std::int32_t English = 1033;
constexpr std::int32_t German = 1031;

const PcLocaleFacts JapanesePc{Japanese, LangJapanese, 1, nullptr};

TFormatSettings Load(const FakeLocaleSource& source, std::int32_t locale,
                     TFormatSettings settings = {}) {
    LoadLocaleSettings(source, JapanesePc, locale, settings);
    return settings;
}

// A Japanese PC on the Gregorian calendar.
FakeLocaleSource JapaneseSource() {
    FakeLocaleSource source;
    source.Install(Japanese);
    const std::pair<std::uint32_t, const char*> items[] = {
        {item::ICalendarType, "1"},
        {item::SDate, "/"},
        {item::STime, ":"},
        {item::SShortDate, "yyyy/MM/dd"},
        {item::SLongDate, "gg yyyy'年'M'月'd'日'"},
        {item::S1159, "午前"},
        {item::S2359, "午後"},
        {item::ITime, "1"},
        {item::ITLZero, "0"},
        {item::SMonthName1 + 11, "12月"}};
    for (const auto& [id, value] : items)
        source.Set(Japanese, id, value);
    return source;
}

TEST(LoadLocaleSettings, EveryFieldFromItsOwnItemByItsRuleOrTheDefault) {
    // A distinct value in every item, so that no field can read another's.
    FakeLocaleSource source = JapaneseSource();
    const std::pair<std::uint32_t, const char*> items[] = {
        {item::SDecimal, ","}, {item::SDate, "-"},   {item::STime, "."},
        {item::ITime, "0"},    {item::ITLZero, "1"}, {item::ITimeMarkPosn, "1"}};
    for (const auto& [id, value] : items)
        source.Set(Japanese, id, value);
    TFormatSettings expected{.DecimalSep = ',',
                             .DateSep = '-',
                             .TimeSep = '.',
                             .ShortDatePattern = u"yyyy/MM/dd",
                             .LongDatePattern = Shown(" yyyy'年'M'月'd'日'"),
                             .AmText = Shown("午前"),
                             .PmText = Shown("午後"),
                             .ShortTimePattern = "AMPM hh:mm",
                             .LongTimePattern = "AMPM hh:mm:ss"};
    expected.MonthNames[11] = Shown("12月");
    expected.GenitiveMonthNames = expected.MonthNames; // Japanese has no other form
    EXPECT_EQ(Load(source, Japanese), expected);

    const std::pair<std::uint32_t, const char*> odd[] = {
        {item::SDate, "；"},      // one two-byte character: the default
        {item::STime, ""},        // empty: NUL
        {item::SDecimal, "\xA0"}, // one byte above 0x7F
        {item::S1159, ""},        // readable though empty
        {item::ITLZero, "x1"}};   // not a number: zero
    for (const auto& [id, value] : odd)
        source.Set(Japanese, id, value);
    const TFormatSettings settings = Load(source, Japanese, expected);
    EXPECT_EQ(settings.DateSep, '/');
    EXPECT_EQ(settings.TimeSep, '\0');
    EXPECT_EQ(settings.DecimalSep, '\xA0');
    EXPECT_EQ(settings.AmText, Shown(""));
    EXPECT_EQ(settings.ShortTimePattern, "AMPM h:mm");

    // Nothing readable: the English defaults, also over earlier values.
    FakeLocaleSource bare;
    bare.Install(Japanese);
    EXPECT_EQ(Load(bare, Japanese, expected), TFormatSettings{});
}

TEST(LoadLocaleSettings, BuildsTimePatternsFromHourClockAndMarkerItems) {
    struct Case {
        const char *leadingZero, *clock, *markerFirst, *shortPattern, *longPattern;
    };
    const Case cases[] = {{"0", "1", "0", "h:mm", "h:mm:ss"},
                          {"1", "1", "1", "hh:mm", "hh:mm:ss"},
                          {"0", "0", "0", "h:mm AMPM", "h:mm:ss AMPM"},
                          {"1", "0", "1", "AMPM hh:mm", "AMPM hh:mm:ss"},
                          {"2", "2", "0", "hh:mm", "hh:mm:ss"},
                          {"?", "?", "?", "h:mm AMPM", "h:mm:ss AMPM"}};
    for (const Case& c : cases) {
        FakeLocaleSource source = JapaneseSource();
        source.Set(Japanese, item::ITLZero, c.leadingZero);
        source.Set(Japanese, item::ITime, c.clock);
        source.Set(Japanese, item::ITimeMarkPosn, c.markerFirst);
        const TFormatSettings settings = Load(source, Japanese);
        EXPECT_EQ(settings.ShortTimePattern, c.shortPattern) << c.leadingZero << c.clock;
        EXPECT_EQ(settings.LongTimePattern, c.longPattern) << c.leadingZero << c.clock;
    }
}

TEST(LoadLocaleSettings, ReadsEveryNameItemInItsPlaceOrTheEnglishDefault) {
    FakeLocaleSource source;
    for (const std::uint32_t i : {0u, 11u}) {
        source.Set(German, item::SMonthName1 + i, "M" + std::to_string(i));
        source.Set(German, item::SAbbrevMonthName1 + i, "m" + std::to_string(i));
    }
    for (const std::uint32_t i : {0u, 5u, 6u}) { // Monday, Saturday, Sunday
        source.Set(German, item::SDayName1 + i, "D" + std::to_string(i));
        source.Set(German, item::SAbbrevDayName1 + i, "d" + std::to_string(i));
    }
    source.Set(German, item::SMonthName1 + 1, ""); // empty: the English default
    // Shown names come as the system gives them, not through code page 932.
    source.Set(German, item::SMonthName1 + 2, "Marz");
    source.SetShown(German, item::SMonthName1 + 2, u"März");
    source.Set(German, item::S1159, "?????");
    source.SetShown(German, item::S1159, u"ก่อนเที่ยง");
    source.Install(German);
    const TFormatSettings settings = Load(source, German);
    EXPECT_EQ(settings.MonthNames[0] + settings.MonthAbbrevs[0], Shown("M0m0"));
    EXPECT_EQ(settings.MonthNames[11] + settings.MonthAbbrevs[11], Shown("M11m11"));
    EXPECT_EQ(settings.MonthNames[1], Shown("February"));
    EXPECT_EQ(settings.MonthNames[2] + settings.AmText, u"Märzก่อนเที่ยง");
    EXPECT_EQ(settings.DayAbbrevs[3], Shown("Wed"));
    // The lists start on Sunday.
    EXPECT_EQ(settings.DayNames[0] + settings.DayAbbrevs[0], Shown("D6d6"));
    EXPECT_EQ(settings.DayNames[1] + settings.DayAbbrevs[1], Shown("D0d0"));
    EXPECT_EQ(settings.DayNames[6] + settings.DayAbbrevs[6], Shown("D5d5"));
}

TEST(LoadLocaleSettings, ALocaleNotInstalledTakesAllButItsNamesFromThePc) {
    FakeLocaleSource source = JapaneseSource();
    source.Set(German, item::SDate, ".");
    source.Set(German, item::SShortDate, "dd.MM.yyyy");
    source.Set(German, item::SMonthName1, "Januar");
    TFormatSettings settings = Load(source, German);
    EXPECT_EQ(settings.DateSep, '/');
    EXPECT_EQ(settings.ShortDatePattern, u"yyyy/MM/dd");
    EXPECT_EQ(settings.AmText, Shown("午前"));
    EXPECT_EQ(settings.ShortTimePattern, "h:mm");
    EXPECT_EQ(settings.MonthNames[0], Shown("Januar"));
    EXPECT_EQ(settings.MonthNames[11], Shown("December")); // not the PC's "12月"

    source.Install(German);
    settings = Load(source, German);
    EXPECT_EQ(settings.DateSep, '.');
    EXPECT_EQ(settings.ShortDatePattern, u"dd.MM.yyyy");
    EXPECT_EQ(settings.AmText, Shown("am"));
}

TEST(TranslateLocaleDatePattern, FollowsThePcsCalendarAndLanguage) {
    struct Case {
        const char* calendarType; // nullptr: unreadable
        int primaryLanguage;
        const char *pattern, *expected;
    };
    const Case cases[] = {
        {"1", LangJapanese, "Gg y'年'", " y'年'"},
        {"1", LangJapanese, "'ト'yyyy", "'ト'yyyy"}, // 0x83 0x67 in code page 932: no "g"
        {"1", LangJapanese, "yyyy. 'gada' d. MMMM gg", "yyyy. 'gada' d. MMMM "}, // quoted text
        {"3", LangJapanese, "yyyy. \"gada y\" d", "eeee. \"gada y\" d"},
        {"1", LangKorean, "yyyy gg", "yyyy "},
        {"1", LangChinese, "ggyyyy", "yyyy"},
        {nullptr, LangJapanese, "gg yyyy", " yyyy"},
        {"1", 0x09, "gg yyyy", "gg yyyy"},
        {"3", LangJapanese, "gg y", "ggg e"},
        {"5", LangKorean, "ggg", "gggg"},
        {"3", LangJapanese, "'ト'yy", "'ト'ee"},
        {"4", 0x09, "YYYY yy Y", "eeee ee e"},
        {"2", 0x09, "gg yyyy", "gg yyyy"},
        {"x", LangJapanese, "gg yyyy", " yyyy"} // not a number: no era calendar
    };
    for (const Case& c : cases) {
        FakeLocaleSource source;
        const PcLocaleFacts pc{5000, c.primaryLanguage, 0x01, nullptr};
        if (c.calendarType)
            source.Set(pc.PcLocale, item::ICalendarType, c.calendarType);
        EXPECT_EQ(TranslateLocaleDatePattern(Shown(c.pattern), source, pc), Shown(c.expected))
            << c.pattern;
    }
}

TEST(LoadLocaleSettings, RewritesDatePatternsByThePcNotTheLanguage) {
    FakeLocaleSource source = JapaneseSource();
    source.Install(English);
    source.Set(English, item::SShortDate, "M/d/yyyy");
    source.Set(English, item::SLongDate, "dddd, MMMM d, yyyy gg");
    source.Set(Japanese, item::ICalendarType, "3");
    const TFormatSettings settings = Load(source, English);
    EXPECT_EQ(settings.ShortDatePattern, u"M/d/eeee");
    EXPECT_EQ(settings.LongDatePattern, u"dddd, MMMM d, eeee ggg");
}

TEST(LoadPcSettings, TakesTheThreadLocaleFallsBackToEnglishAndReloads) {
    FakeLocaleSource source = JapaneseSource();
    source.SetThreadLocale(Japanese);
    const PcSettings pc = LoadPcSettings(source);
    EXPECT_EQ(pc.Facts.Calendar, nullptr);
    EXPECT_EQ(pc.FormatSettings.LongDatePattern, Shown(" yyyy'年'M'月'd'日'"));
    EXPECT_EQ(pc.FormatSettings.MonthNames[11], Shown("12月"));

    struct Case {
        std::int32_t thread, locale;
        int primary, sub;
    } const cases[] = {
        {0x0404, 0x0404, 0x04, 1},
        {0x0804, 0x0804, 0x04, 2},
        {0x0411, 0x0411, 0x11, 1},
        {0, 0x0409, 0x09, 1},
        {0x10000, 0x10000, 0x09, 1} // low 16 bits zero
    };
    for (const Case& c : cases) {
        FakeLocaleSource empty;
        empty.SetThreadLocale(c.thread);
        const PcLocaleFacts f = LoadPcSettings(empty).Facts;
        EXPECT_EQ(std::tuple(f.PcLocale, f.PcPrimaryLanguage, f.PcSubLanguage),
                  std::tuple(c.locale, c.primary, c.sub))
            << c.thread;
    }

    // A reload goes back to the user's default locale.
    source.SetThreadLocale(German);
    source.SetUserDefault(Japanese);
    EXPECT_EQ(ReloadPcSettings(source).FormatSettings.AmText, Shown("午前"));
    EXPECT_EQ(source.ThreadLocale(), Japanese);
}

TEST(ParseDecimal, AcceptsSignedDecimalsOnly) {
    EXPECT_EQ(ParseDecimal("-5"), -5);
    EXPECT_EQ(ParseDecimal("+7"), 7);
    for (const char* text : {"", "+", "-", "+-1", "12a", " 1", "99999999999", "0x10"})
        EXPECT_FALSE(ParseDecimal(text).has_value()) << text;
}

} // namespace
} // namespace velmora
