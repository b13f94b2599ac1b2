#include "engine/time_text.h"

#include <gtest/gtest.h>

#include "engine/conversion_error.h"
#include "tests/native/fake_locale_source.h"

namespace velmora {
namespace {

constexpr long long Ms(int h, int m, int s = 0, int ms = 0) {
    return ((h * 60LL + m) * 60 + s) * 1000 + ms;
}

struct Accepted {
    const char* text;
    long long milliseconds;
};

template <std::size_t N>
void ExpectAccepted(const Accepted (&cases)[N], const TFormatSettings& pc) {
    const FakeLocaleSource source;
    for (const Accepted& c : cases) {
        EXPECT_DOUBLE_EQ(ParseTimeText(c.text, pc, source), c.milliseconds / MillisecondsPerDay)
            << '"' << c.text << '"';
    }
}

TEST(ParseTimeText, ReadsHoursMinutesSecondsAndMarkers) {
    const TFormatSettings pc; // ":" and ".", "am" and "pm"
    const Accepted cases[] = {
        {"09:00", Ms(9, 0)},
        {" 9:5 ", Ms(9, 5)},
        {"9", Ms(9, 0)},
        {"9 : 30", Ms(9, 30)},
        {"PM 9:30", Ms(21, 30)},
        {"9:30 pm", Ms(21, 30)},
        {"9:30PM", Ms(21, 30)},
        {"12:00 AM", Ms(0, 0)},
        {"12:00 PM", Ms(12, 0)},
        {"am 12:30", Ms(0, 30)},
        {"Am1", Ms(1, 0)},
        {"23:59:59.999", Ms(23, 59, 59, 999)},
        {"1:02:03.4", Ms(1, 2, 3, 4)},
        {"00009", Ms(9, 0)}, // leading zeros keep the value below 1000
        {"0:0", 0},
    };
    ExpectAccepted(cases, pc);
}

TEST(ParseTimeText, UsesTheComputersSeparatorsAndMarkerTexts) {
    TFormatSettings pc;
    pc.TimeSep = '.';
    pc.DecimalSep = ',';
    pc.AmText = "午前";
    pc.PmText = "午後";
    const Accepted cases[] = {
        {"9.30", Ms(9, 30)},      {"9.30.15,250", Ms(9, 30, 15, 250)},
        {"午後3.15", Ms(15, 15)}, {"3.15 午前", Ms(3, 15)},
        {"PM 3", Ms(15, 0)}, // "AM" and "PM" are always understood
    };
    ExpectAccepted(cases, pc);
}

TEST(ParseTimeText, RejectsWhatIsNotATimeWithTheTextInTheMessage) {
    const TFormatSettings pc;
    const FakeLocaleSource source;
    const char* const rejected[] = {
        "13:00 PM", "0 PM",         "24:00",      "09:60",    "09:00:",    "09.00", "",
        "   ",      "abc",          "AM",         "A 9",      "9:30 pm x", "10000", "9:",
        "9:30:60",  "1:00:00.1000", "PM 9:30 PM", "9:30:00.", "-1:00",     "9::30",
    };
    for (const char* text : rejected) {
        try {
            ParseTimeText(text, pc, source);
            ADD_FAILURE() << '"' << text << "\" was accepted";
        } catch (const ConversionError& e) {
            EXPECT_EQ(Text(e.what()), "'" + Text(text) + "' は時刻ではありません");
        }
    }
}

TEST(ParseTimeText, EmptyMarkerTextsMatchOnlyAmAndPm) {
    TFormatSettings pc;
    pc.AmText.clear();
    pc.PmText.clear();
    const Accepted cases[] = {{"9:30 PM", Ms(21, 30)}, {"9:30", Ms(9, 30)}};
    ExpectAccepted(cases, pc);
}

} // namespace
} // namespace velmora
