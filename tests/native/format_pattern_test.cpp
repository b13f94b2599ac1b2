#include "engine/format_pattern.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using namespace std::chrono;

struct Case {
    const char* pattern;
    const char* expected;
};

// 2010-04-01, a Thursday, 21:30:05.250.
const DateTime Evening = EncodeDateTime(year{2010} / April / 1, 21, 30, 5, 250);

Text Format(std::string_view pattern, DateTime value = Evening,
            const TFormatSettings& settings = TFormatSettings{}) {
    return FormatPattern(pattern, value, settings, PcLocaleFacts{});
}

void ExpectAll(std::initializer_list<Case> cases, DateTime value,
               const TFormatSettings& settings = TFormatSettings{}) {
    for (const Case& c : cases)
        EXPECT_EQ(Format(c.pattern, value, settings), c.expected) << "pattern " << c.pattern;
}

TEST(FormatPattern, WorkedExamples) {
    ExpectAll({{"yyyy/mm/dd(ddd)", "2010/04/01(Thu)"},
               {"yy/mmm/dd(dddd)", "10/Apr/01(Thursday)"},
               {"m/d(dddd)", "4/1(Thursday)"},
               {"yyyy/mmmm/dd", "2010/April/01"},
               {"h:nn", "21:30"},
               {"hh:nn", "21:30"},
               {"AM/PM h:nn", "PM 9:30"},
               {"AM/PM hh:nn", "PM 09:30"},
               {"ampm h:nn", "pm 9:30"},
               {"m/d hh:mm", "4/1 21:30"},
               {"c", "4/1/10 9:30:05 pm"},
               {"h:mm:ss.zzz", "21:30:05.250"}},
              Evening);
}

TEST(FormatPattern, FixedTimePatternsAroundMidnightAndNoon) {
    const DateTime fiveAfterMidnight = EncodeDateTime(year{2010} / April / 1, 0, 5);
    ExpectAll({{"h:nn", "0:05"},
               {"hh:nn", "00:05"},
               {"AM/PM h:nn", "AM 12:05"},
               {"AM/PM hh:nn", "AM 12:05"},
               {"ampm h:nn", "am 12:05"},
               {"ampm hh:nn", "am 12:05"}},
              fiveAfterMidnight);
    const DateTime noon = EncodeDateTime(year{2010} / April / 1, 12, 0);
    ExpectAll({{"h:nn", "12:00"},
               {"hh:nn", "12:00"},
               {"AM/PM h:nn", "PM 12:00"},
               {"AM/PM hh:nn", "PM 12:00"},
               {"ampm h:nn", "pm 12:00"},
               {"ampm hh:nn", "pm 12:00"}},
              noon);
    const DateTime oneAfternoon = EncodeDateTime(year{2010} / April / 1, 13, 7);
    ExpectAll({{"AM/PM h:nn", "PM 1:07"}, {"h:nn", "13:07"}}, oneAfternoon);
}

TEST(FormatPattern, EmptyPatternIsTheShortDateAndTheLongTimeUnlessMidnight) {
    EXPECT_EQ(Format(""), "4/1/10 9:30:05 pm");
    EXPECT_EQ(Format("cc"), "4/1/10 9:30:05 pm");
    // Milliseconds do not count as time of day here.
    const DateTime midnight = EncodeDateTime(year{2010} / April / 1, 0, 0, 0, 400);
    EXPECT_EQ(Format("", midnight), "4/1/10");
    EXPECT_EQ(Format("c", EncodeDateTime(year{2010} / April / 1, 0, 0, 1)), "4/1/10 12:00:01 am");
}

TEST(FormatPattern, MinutesOrMonthByTheLetterBefore) {
    ExpectAll({{"h:mm", "21:30"},
               {"hhmm", "2130"},
               {"h'x'm", "21x30"},      // quoted letters leave the last letter
               {"h x m", "21 x 4"},     // any other letter, even an inert one
               {"h時mm分", "21時04分"}, // a two-byte character resets it
               {"Mm", "44"},            // "Mm" is two tokens of count 1
               {"mm:h", "04:21"},
               {"nn", "30"},
               {"n", "30"}},
              Evening);
}

TEST(FormatPattern, CountsOfEachToken) {
    const DateTime morning = EncodeDateTime(year{2009} / February / 5, 7, 8, 9, 5);
    ExpectAll({{"y", "09"},
               {"yy", "09"},
               {"yyy", "2009"},
               {"yyyyy", "2009"},
               {"m", "2"},
               {"mm", "02"},
               {"mmm", "Feb"},
               {"mmmmm", "February"},
               {"d", "5"},
               {"dd", "05"},
               {"ddd", "Thu"},
               {"dddd", "Thursday"},
               {"ddddd", "2/5/09"},
               {"dddddd", "February 5, 2009"},
               {"ddddddd", "February 5, 2009"},
               {"h", "7"},
               {"hhh", "07"},
               {"s", "9"},
               {"sss", "09"},
               {"z", "5"},
               {"zz", "05"},
               {"zzz", "005"},
               {"zzzz", "005"},
               {"t", "7:08 am"},
               {"tt", "7:08:09 am"},
               {"ttt", "7:08:09 am"},
               {"aaa", "Thu"},
               {"AAAA", "Thursday"},
               {"aaaaa", "Thursdaya"},
               {"Y/M/D H:N:S", "09/2/5 7:8:9"}},
              morning);
}

TEST(FormatPattern, YearsAreNeverCut) {
    EXPECT_EQ(Format("yyyy", EncodeDateTime(year{987} / March / 3)), "0987");
    EXPECT_EQ(Format("yyyy yy", EncodeDateTime(year{12345} / March / 3)), "12345 45");
}

TEST(FormatPattern, AmPmForms) {
    const DateTime morning = EncodeDateTime(year{2010} / April / 1, 9, 15);
    struct TwoTimes {
        const char* pattern;
        const char* morning;
        const char* evening;
    };
    const TwoTimes cases[] = {
        {"Am/pM h:nn", "Am 9:15", "pM 9:30"},
        {"a/p h:nn", "a 9:15", "p 9:30"},
        {"A/P hh:nn", "A 09:15", "P 09:30"},
        {"h:nn AMPM", "9:15 am", "9:30 pm"},
        {"h:nn ampm", "9:15 am", "9:30 pm"},
        {"h 'am' nn", "9 am 15", "21 am 30"},        // quoted: no twelve-hour form
        {"hh:nn a", "09:15 a", "21:30 a"},           // a lone "a" is a letter
        {"h:nn h AMPM", "9:15 9 am", "21:30 9 pm"},  // the scan stops at the next "h"
        {"h 'AMPM'", "9 AMPM", "21 AMPM"},           // quoted keyword, no scan hit
        {"AMPM h h", "am 9 9", "pm 9 9"},            // the flag stays on for the level
        {"h \"x' AMPM", "9 x' AMPM", "9 x' AMPM"},   // either quote toggles the scan
        {"h:nn t", "9:15 9:15 am", "21:30 9:30 pm"}, // an inner AM/PM stays inside
        {"AMPM t", "am 9:15 am", "pm 9:30 pm"}};
    for (const TwoTimes& c : cases) {
        EXPECT_EQ(Format(c.pattern, morning), c.morning) << c.pattern;
        EXPECT_EQ(Format(c.pattern, Evening), c.evening) << c.pattern;
    }

    TFormatSettings noTexts;
    noTexts.AmText.clear();
    noTexts.PmText.clear();
    EXPECT_EQ(Format("ampm h:nn", Evening, noTexts), " 9:30");
}

TEST(FormatPattern, InnerPatternOnlyFromTheTopLevel) {
    TFormatSettings settings;
    settings.ShortTimePattern = "h:mm";
    EXPECT_EQ(Format("AMPM t", Evening, settings), "pm 21:30");

    settings.ShortDatePattern = "[c]";
    EXPECT_EQ(Format("c", Evening, settings), "[] 9:30:05 pm");
    settings.ShortDatePattern = "m/d ddddd t";
    EXPECT_EQ(Format("c", Evening, settings), "4/1   9:30:05 pm");
    settings.ShortDatePattern.clear();
    EXPECT_EQ(Format("<ddddd>", Evening, settings), "<>");
}

TEST(FormatPattern, Separators) {
    TFormatSettings settings;
    settings.DateSep = '-';
    settings.TimeSep = '.';
    ExpectAll({{"yyyy/mm/dd hh:nn", "2010-04-01 21.30"}}, Evening, settings);
    settings.DateSep = '\0';
    settings.TimeSep = '\0';
    ExpectAll({{"m/d h:nn", "41 2130"}, {"'/:'", "/:"}}, Evening, settings);
}

TEST(FormatPattern, TwoByteCharactersAreCopiedWhole) {
    // The second bytes of 年 (0x94 0x4E) and 表 (0x95 0x5C) look like "N" and
    // a backslash.
    ExpectAll({{"yyyy年", "2010年"},
               {"表nn", "表30"},
               {"\xB1h", "\xB1"
                         "21"}},
              Evening);
}

TEST(FormatPattern, QuotedText) {
    ExpectAll({{"'yyyy'", "yyyy"},
               {"\"h:nn\" h", "h:nn 21"},
               {"'it\"s' d", "it\"s 1"},
               {"'unclosed h:nn", "unclosed h:nn"},
               {"'表'", "表"},
               {"''", ""}},
              Evening);
}

TEST(FormatPattern, RoundsToTheMillisecondBeforeSplitting) {
    // Near day 1, where a double resolves far finer than a millisecond.
    const char* pattern = "yyyy/mm/dd hh:nn:ss.zzz";
    EXPECT_EQ(Format(pattern, 1.0 - 0.4 / 86'400'000), "1899/12/31 00:00:00.000");
    EXPECT_EQ(Format(pattern, 1.0 - 0.6 / 86'400'000), "1899/12/30 23:59:59.999");
}

TEST(FormatPattern, OutputStopsAt256BytesButScanningGoesOn) {
    const Text longLiteral(300, 'x');
    EXPECT_EQ(Format(longLiteral), Text(256, 'x'));
    // A two-byte character may be cut after its first byte.
    const Text cut = Format(Text(255, 'x') + "年");
    ASSERT_EQ(cut.size(), 256u);
    EXPECT_EQ(static_cast<unsigned char>(cut.back()), 0x94);
    // Bytes before the limit are kept even if the pattern goes on past it.
    EXPECT_EQ(Format(Text(250, 'x') + "yyyy/mm/dd"), Text(250, 'x') + "2010/0");
}

TEST(FormatPattern, BadPatternsStayInBounds) {
    EXPECT_EQ(Format("yyyy\x81"), "2010\x81");
    EXPECT_EQ(Format("h:nn '\x81"), "21:30 \x81");
    EXPECT_EQ(Format(std::string_view("h\0:nn", 5)), "21");
    EXPECT_EQ(Format(std::string_view("\0h", 2)), "4/1/10 9:30:05 pm");
    const Text huge(10'000, 'h');
    EXPECT_EQ(Format(huge), "21");
    const Text manyQuotes(10'001, '\'');
    EXPECT_EQ(Format(manyQuotes), "");
    const Text manyTokens = [] {
        Text t;
        for (int i = 0; i < 2'500; ++i)
            t += "ddd ";
        return t;
    }();
    EXPECT_EQ(Format(manyTokens).size(), 256u);

    TFormatSettings settings;
    settings.LongTimePattern = Text("h\0AMPM", 6);
    EXPECT_EQ(Format("tt", Evening, settings), "21");
}

} // namespace
} // namespace velmora
