#include "engine/time_text.h"

#include <gtest/gtest.h>

#include "engine/conversion_error.h"
#include "tests/native/fake_locale_source.h"

namespace velmora {
namespace {

constexpr long long Ms(int h, int m, int s = 0, int ms = 0) {
    return ((h * 60LL + m) * 60 + s) * 1000 + ms;
}

TEST(ParseTimeText, ReadsHoursMinutesSecondsAndMarkers) {
    TFormatSettings english; // ":" and ".", "am" and "pm"
    TFormatSettings japanese;
    japanese.TimeSep = '.';
    japanese.DecimalSep = ',';
    japanese.AmText = u"午前";
    japanese.PmText = u"午後";
    TFormatSettings noMarkers;
    noMarkers.AmText.clear();
    noMarkers.PmText.clear();
    const struct Case {
        const TFormatSettings& pc;
        const char* text;
        long long milliseconds;
    } cases[] = {{english, "09:00", Ms(9, 0)},
                 {english, " 9:5 ", Ms(9, 5)},
                 {english, "9", Ms(9, 0)},
                 {english, "9 : 30", Ms(9, 30)},
                 {english, "PM 9:30", Ms(21, 30)},
                 {english, "9:30 pm", Ms(21, 30)},
                 {english, "9:30PM", Ms(21, 30)},
                 {english, "12:00 AM", Ms(0, 0)},
                 {english, "12:00 PM", Ms(12, 0)},
                 {english, "Am1", Ms(1, 0)},
                 {english, "23:59:59.999", Ms(23, 59, 59, 999)},
                 {english, "1:02:03.4", Ms(1, 2, 3, 4)},
                 {english, "00009", Ms(9, 0)}, // leading zeros keep the value below 1000
                 // The computer's separators and marker texts; "AM" and "PM" always.
                 {japanese, "9.30.15,250", Ms(9, 30, 15, 250)},
                 {japanese, "午後3.15", Ms(15, 15)},
                 {japanese, "3.15 午前", Ms(3, 15)},
                 {japanese, "PM 3", Ms(15, 0)},
                 {noMarkers, "9:30 PM", Ms(21, 30)},
                 {noMarkers, "9:30", Ms(9, 30)}};
    const FakeLocaleSource source;
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(ParseTimeText(c.text, c.pc, source), c.milliseconds / MillisecondsPerDay)
            << '"' << c.text << '"';
}

TEST(ParseTimeText, RejectsWhatIsNotATimeWithTheTextInTheMessage) {
    const FakeLocaleSource source;
    for (const char* text :
         {"13:00 PM", "0 PM", "24:00", "09:60", "09:00:", "09.00", "", "abc", "AM", "A 9",
          "9:30 pm x", "10000", "9:30:60", "1:00:00.1000", "PM 9:30 PM", "-1:00", "9::30"}) {
        try {
            ParseTimeText(text, TFormatSettings{}, source);
            ADD_FAILURE() << '"' << text << "\" was accepted";
        } catch (const ConversionError& e) {
            EXPECT_EQ(Text(e.what()), "'" + Text(text) + "' は時刻ではありません");
        }
    }
}

} // namespace
} // namespace velmora
