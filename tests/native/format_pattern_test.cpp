#include "engine/format_pattern.h"

#include <gtest/gtest.h>

#include "tests/native/shown_text.h"

namespace velmora {
namespace {

using namespace std::chrono;

// 2010-04-01, a Thursday, 21:30:05.250.
const DateTime Evening = EncodeDateTime(year{2010} / April / 1, 21, 30, 5, 250);
const DateTime Early = EncodeDateTime(year{2010} / April / 1, 0, 5);
const DateTime Noon = EncodeDateTime(year{2010} / April / 1, 12, 0);
const DateTime Morning = EncodeDateTime(year{2009} / February / 5, 7, 8, 9, 5);

WideText Format(std::string_view pattern, DateTime value = Evening,
                const TFormatSettings& settings = TFormatSettings{}) {
    return FormatPattern(pattern, value, settings, DecodingFacts());
}

void ExpectAll(DateTime at, std::initializer_list<std::pair<const char*, const char*>> cases) {
    for (const auto& [pattern, expected] : cases)
        EXPECT_EQ(Format(pattern, at), Shown(expected)) << "pattern " << pattern;
}

TEST(FormatPattern, WorkedExamples) {
    ExpectAll(Evening, {{"yyyy/mm/dd(ddd)", "2010/04/01(Thu)"},
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
                        {"h:mm:ss.zzz", "21:30:05.250"}});
    ExpectAll(Early, {{"h:nn", "0:05"},
                      {"hh:nn", "00:05"},
                      {"AM/PM h:nn", "AM 12:05"},
                      {"AM/PM hh:nn", "AM 12:05"},
                      {"ampm h:nn", "am 12:05"},
                      {"ampm hh:nn", "am 12:05"}});
    ExpectAll(Noon, {{"h:nn", "12:00"},
                     {"hh:nn", "12:00"},
                     {"AM/PM h:nn", "PM 12:00"},
                     {"AM/PM hh:nn", "PM 12:00"},
                     {"ampm h:nn", "pm 12:00"},
                     {"ampm hh:nn", "pm 12:00"}});
    // The empty pattern: short date, then long time unless midnight (milliseconds do
    // not count).
    ExpectAll(Evening, {{"", "4/1/10 9:30:05 pm"}, {"cc", "4/1/10 9:30:05 pm"}});
    ExpectAll(EncodeDateTime(year{2010} / April / 1, 0, 0, 0, 400), {{"", "4/1/10"}});
    ExpectAll(EncodeDateTime(year{2010} / April / 1, 0, 0, 1), {{"c", "4/1/10 12:00:01 am"}});
}

TEST(FormatPattern, Tokens) {
    // "m" is minutes right after an hour; quoted letters leave the last letter, any other
    // letter (even an inert one) and a two-byte character reset it; "Mm" is two tokens.
    ExpectAll(Evening, {{"h:mm", "21:30"},
                        {"hhmm", "2130"},
                        {"h'x'm", "21x30"},
                        {"h x m", "21 x 4"},
                        {"h時mm分", "21時04分"},
                        {"Mm", "44"},
                        {"mm:h", "04:21"}});
    ExpectAll(Morning, {{"y", "09"},
                        {"yyy", "2009"},
                        {"mmm", "Feb"},
                        {"mmmmm", "February"},
                        {"ddddd", "2/5/09"},
                        {"dddddd", "February 5, 2009"},
                        {"ddddddd", "February 5, 2009"},
                        {"hhh", "07"},
                        {"z", "5"},
                        {"zz", "05"},
                        {"zzzz", "005"},
                        {"t", "7:08 am"},
                        {"ttt", "7:08:09 am"},
                        {"aaa", "Thu"},
                        {"AAAA", "Thursday"},
                        {"aaaaa", "Thursdaya"},
                        {"Y/M/D H:N:S", "09/2/5 7:8:9"}});
    ExpectAll(EncodeDateTime(year{987} / March / 3), {{"yyyy", "0987"}});
    ExpectAll(EncodeDateTime(year{12345} / March / 3), {{"yyyy yy", "12345 45"}});
    ExpectAll(EncodeDateTime(year{-102} / March / 3), {{"yy", "98"}}); // 103 BC

    // Rounded to the millisecond before splitting.
    ExpectAll(1.0 - 0.4 / 86'400'000, {{"yyyy/mm/dd hh:nn:ss.zzz", "1899/12/31 00:00:00.000"}});
    ExpectAll(1.0 - 0.6 / 86'400'000, {{"yyyy/mm/dd hh:nn:ss.zzz", "1899/12/30 23:59:59.999"}});
}

TEST(FormatPattern, TwoByteCharactersQuotedTextAndALoneLeadByte) {
    // The second bytes of 年 and 表 look like "N" and a backslash.
    ExpectAll(Evening, {{"yyyy年", "2010年"},
                        {"表nn", "表30"},
                        {"\xB1h", "\xB1"
                                  "21"},
                        {"'yyyy'", "yyyy"},
                        {"\"h:nn\" h", "h:nn 21"},
                        {"'it\"s' d", "it\"s 1"},
                        {"'unclosed h:nn", "unclosed h:nn"},
                        {"'表'", "表"},
                        {"''", ""},
                        {"yyyy\x81", "2010\x81"},
                        {"h:nn '\x81", "21:30 \x81"}});
}

TEST(FormatPattern, NamesInAnyScriptBetweenJapaneseLiterals) {
    TFormatSettings french;
    french.MonthNames[1] = u"février";
    french.DayNames[4] = u"jeudi";
    TFormatSettings greek;
    greek.MonthNames[1] = u"Φεβρουάριος";
    greek.DayAbbrevs[4] = u"Πέμ";
    TFormatSettings thai;
    thai.MonthAbbrevs[1] = u"ก.พ.";
    thai.AmText = u"ก่อนเที่ยง";
    // The locale's own patterns keep what code page 932 cannot hold.
    TFormatSettings korean;
    korean.LongDatePattern = u"yyyy년 M월 d일 dddd";
    korean.DayNames[4] = u"목요일";
    korean.ShortDatePattern = u"d\u200F/M\u200F/yyyy";
    struct Case {
        const char* pattern;
        const TFormatSettings& settings;
        std::u16string_view expected;
    };
    const Case cases[] = {
        {"yyyy'年'mmmm'月'd'日'(dddd)", french, u"2009年février月5日(jeudi)"},
        {"mmmm「d」ddd", greek, u"Φεβρουάριος「5」Πέμ"},
        {"'表'mmm\xB1 ampm h:nn", thai, u"表ก.พ.ｱ ก่อนเที่ยง 7:08"},
        {"'日付'dddddd'です'", korean, u"日付2009년 2월 5일 목요일です"},
        {"ddddd「c」", korean, u"5\u200F/2\u200F/2009「5\u200F/2\u200F/2009 7:08:09 am」"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Format(c.pattern, Morning, c.settings), c.expected) << c.pattern;
}

// After a day number, and until a day name, a month name takes the form a
// date needs, as the system's own formatting does; the table of
// tests/win/locale_win_test.cpp checks the rule against the platform.
TEST(FormatPattern, MonthNamesAfterADayNumberTakeTheGenitive) {
    TFormatSettings polish;
    polish.MonthNames[1] = u"luty";
    polish.GenitiveMonthNames[1] = u"lutego";
    polish.MonthAbbrevs[1] = u"lut";
    polish.GenitiveMonthAbbrevs[1] = u"lut.";
    polish.DayNames[4] = u"czwartek";
    polish.DayAbbrevs[4] = u"czw.";
    polish.LongDatePattern = u"dddd, d MMMM yyyy";
    polish.ShortDatePattern = u"d.MM.yyyy";
    const std::pair<const char*, std::u16string_view> cases[] = {
        {"d mmmm", u"5 lutego"},
        {"dd mmmm", u"05 lutego"},
        {"d 'x' mmmm", u"5 x lutego"},
        {"d yyyy mmmm", u"5 2009 lutego"},
        {"d mmm", u"5 lut."},
        {"mmmm yyyy", u"luty 2009"},
        {"mmmm d", u"luty 5"},
        {"yyyy mmmm dd", u"2009 luty 05"},
        {"yyyy/mmmm/dd(dddd)", u"2009/luty/05(czwartek)"},
        {"d ddd mmmm", u"5 czw. luty"},
        {"ddd d mmmm", u"czw. 5 lutego"},
        {"d aaaa mmmm", u"5 czwartek luty"},
        {"'d' mmmm", u"d luty"},
        {"dddddd", u"czwartek, 5 lutego 2009"},
        {"ddddd mmmm", u"5.02.2009 lutego"},
        {"dddd dddddd mmmm", u"czwartek czwartek, 5 lutego 2009 lutego"},
    };
    for (const auto& [pattern, expected] : cases)
        EXPECT_EQ(Format(pattern, Morning, polish), expected) << pattern;
    // Without genitive forms the names stay as they are.
    EXPECT_EQ(Format("d mmmm", Morning), u"5 February");
}

TEST(FormatPattern, AmPmForms) {
    const DateTime morning = EncodeDateTime(year{2010} / April / 1, 9, 15);
    struct Case {
        const char* pattern;
        const char* morning;
        const char* evening;
    };
    const Case cases[] = {
        {"Am/pM h:nn", "Am 9:15", "pM 9:30"},       {"a/p h:nn", "a 9:15", "p 9:30"},
        {"A/P hh:nn", "A 09:15", "P 09:30"},        {"h:nn AMPM", "9:15 am", "9:30 pm"},
        {"h 'am' nn", "9 am 15", "21 am 30"},       // quoted: no twelve-hour form
        {"hh:nn a", "09:15 a", "21:30 a"},          // a lone "a" is a letter
        {"h:nn h AMPM", "9:15 9 am", "21:30 9 pm"}, // the scan stops at the next "h"
        {"h:nn H AMPM", "9:15 9 am", "21:30 9 pm"}, // or "H"
        {"h 'AMPM'", "9 AMPM", "21 AMPM"},          // quoted keyword, no scan hit
        {"AMPM h h", "am 9 9", "pm 9 9"},           // the flag stays on for the level
        {"h \"x' AMPM", "9 x' AMPM", "9 x' AMPM"},  // either quote toggles the scan
        {"h:nn t", "9:15 9:15 am", "21:30 9:30 pm"} // an inner AM/PM stays inside
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Format(c.pattern, morning), Shown(c.morning)) << c.pattern;
        EXPECT_EQ(Format(c.pattern, Evening), Shown(c.evening)) << c.pattern;
    }
    TFormatSettings noTexts;
    noTexts.AmText.clear();
    noTexts.PmText.clear();
    EXPECT_EQ(Format("ampm h:nn", Evening, noTexts), Shown(" 9:30"));
}

TEST(FormatPattern, InnerPatternOnlyFromTheTopLevel) {
    TFormatSettings settings;
    settings.ShortTimePattern = "h:mm";
    EXPECT_EQ(Format("AMPM t", Evening, settings), Shown("pm 21:30"));
    settings.ShortDatePattern = u"[c]";
    EXPECT_EQ(Format("c", Evening, settings), Shown("[] 9:30:05 pm"));
    settings.ShortDatePattern = u"m/d ddddd t";
    EXPECT_EQ(Format("c", Evening, settings), Shown("4/1   9:30:05 pm"));
}

TEST(FormatPattern, Separators) {
    TFormatSettings settings;
    settings.DateSep = '-';
    settings.TimeSep = '.';
    EXPECT_EQ(Format("yyyy/mm/dd hh:nn", Evening, settings), Shown("2010-04-01 21.30"));
    settings.DateSep = settings.TimeSep = '\0';
    EXPECT_EQ(Format("m/d h:nn", Evening, settings), Shown("41 2130"));
    EXPECT_EQ(Format("'/:'", Evening, settings), Shown("/:"));
}

TEST(FormatPattern, OutputStopsAt256BytesAndBadPatternsStayInBounds) {
    EXPECT_EQ(Format(Text(300, 'x')), Shown(Text(256, 'x')));
    // A character that does not fit is dropped whole and ends the output;
    // names count two bytes for each letter beyond ASCII.
    EXPECT_EQ(Format(Text(255, 'x') + "年x"), Shown(Text(255, 'x')));
    EXPECT_EQ(Format(Text(250, 'x') + "yyyy/mm/dd"), Shown(Text(250, 'x') + "2010/0"));
    TFormatSettings greek;
    greek.MonthNames[3] = u"Απρίλιος";
    EXPECT_EQ(Format(Text(249, 'x') + "mmmm", Evening, greek), Shown(Text(249, 'x')) + u"Απρ");
    // So does the locale's own pattern text; a pair of surrogates takes four.
    greek.LongDatePattern = WideText(200, u'년') + u"\U0001F600";
    EXPECT_EQ(Format("dddddd", Evening, greek), WideText(128, u'년'));
    EXPECT_EQ(Format(Text(250, 'x') + "dddddd", Evening, greek), Shown(Text(250, 'x')) + u"년년년");
    greek.LongDatePattern = u"\U0001F600\U0001F600";
    EXPECT_EQ(Format(Text(249, 'x') + "dddddd", Evening, greek),
              Shown(Text(249, 'x')) + u"\U0001F600");
    Text manyTokens;
    for (int i = 0; i < 2'500; ++i)
        manyTokens += "ddd ";
    EXPECT_EQ(Format(manyTokens).size(), 256u);
    EXPECT_EQ(Format(Text(10'000, 'h')), Shown("21"));
    EXPECT_EQ(Format(Text(10'001, '\'')), Shown(""));
    // A NUL ends the pattern.
    EXPECT_EQ(Format(std::string_view("h\0:nn", 5)), Shown("21"));
    EXPECT_EQ(Format(std::string_view("\0h", 2)), Shown("4/1/10 9:30:05 pm"));
    TFormatSettings settings;
    settings.LongTimePattern = Text("h\0AMPM", 6);
    EXPECT_EQ(Format("tt", Evening, settings), Shown("21"));
}

} // namespace
} // namespace velmora
