#include "engine/display_patterns.h"

#include <gtest/gtest.h>

#include "tests/native/shown_text.h"

#include "engine/format_pattern.h"
#include "engine/pattern_lists.h"
#include "settings/clock_side_values.h"
#include "settings/settings_reader.h"

namespace velmora {
namespace {

using namespace std::chrono;

// Faces named "P..." are proportional.
class FakeFontPitch final : public FontPitch {
  public:
    bool IsProportionalFont(const Text& face) const override {
        return !face.empty() && face[0] == 'P';
    }
};

const Text Fixed = "MS Gothic";
const Text Proportional = "PGothic";
const FakeFontPitch Pitch;

struct Sides {
    ClockSide left = ClockSideOf(DefaultSettings().Sides[0]);
    ClockSide right = ClockSideOf(DefaultSettings().Sides[1]);

    void Derive(std::int32_t blinkMode, bool swing, const Text& leftFace = Proportional,
                const Text& rightFace = Proportional) {
        DeriveDisplayPatterns(left, right, DisplayOptions{BlinkPairing(blinkMode), swing}, Pitch,
                              leftFace, rightFace);
    }
};

// The fixed entries, and locale patterns (entry 0): those that do not end in
// the separator and the minutes are split at the separator after the hour;
// others never lose half a character.
TEST(DeriveDisplayPatterns, DerivedPairs) {
    struct Case {
        std::int32_t timeIndex;
        const char* pattern; // nullptr: the fixed entry
        const char *blank, *swingColon, *swingBlank;
    } const cases[] = {
        {2, nullptr, "h mm", "h: mm", "h :mm"},
        {3, nullptr, "hh mm", "hh: mm", "hh :mm"},
        {4, nullptr, "AM/PM h mm", "AM/PM h: mm", "AM/PM h :mm"},
        {5, nullptr, "AM/PM hh mm", "AM/PM hh: mm", "AM/PM hh :mm"},
        {6, nullptr, "ampm h mm", "ampm h: mm", "ampm h :mm"},
        {7, nullptr, "ampm hh mm", "ampm hh: mm", "ampm hh :mm"},
        {0, "", " mm", ": mm", " :mm"},
        {0, "H.mm", "H mm", "H: mm", "H :mm"},
        {0, "h:mm AMPM", "h nn AMPM", "h: nn AMPM", "h :nn AMPM"},
        {0, "H:mm:ss", "H nn:ss", "H: nn:ss", "H :nn:ss"},
        {0, "AMPM h:m", "AMPM h n", "AMPM h: n", "AMPM h :n"},
        {0, "'h:'HH:nn' Uhr'", "'h:'HH nn' Uhr'", "'h:'HH: nn' Uhr'", "'h:'HH :nn' Uhr'"},
        {0, "H時mm分", "H nn分", "H時 nn分", "H 時nn分"},
        {0, "h時分", "h mm", "h: mm", "h :mm"},
        {0, "hh", " mm", ": mm", " :mm"},
    };
    for (const Case& c : cases) {
        Sides s;
        s.left.TimeIndex = c.timeIndex;
        if (c.pattern)
            s.left.TimePatternList[0] = c.pattern;
        const Text pattern = s.left.TimePatternList[c.timeIndex];
        s.Derive(0, false);
        EXPECT_EQ(s.left.ColonPattern, pattern);
        EXPECT_EQ(s.left.BlankPattern, c.blank) << pattern;
        s.Derive(0, true);
        EXPECT_EQ(s.left.ColonPattern, c.swingColon) << pattern;
        EXPECT_EQ(s.left.BlankPattern, c.swingBlank) << pattern;
    }
}

TEST(DeriveDisplayPatterns, BlankedMinutesStayMinutes) {
    const DateTime evening = EncodeDateTime(year{2010} / April / 1, 21, 5);
    const auto format = [&](const Text& pattern) {
        return FormatPattern(pattern, evening, TFormatSettings{}, DecodingFacts());
    };
    Sides s;
    s.left.TimeIndex = 5;
    s.Derive(0, true);
    EXPECT_EQ(format(s.left.ColonPattern), Shown("PM 09: 05"));
    EXPECT_EQ(format(s.left.BlankPattern), Shown("PM 09 :05"));
    s.left.TimeIndex = 0;
    s.left.TimePatternList[0] = "H時mm分";
    s.Derive(0, true);
    EXPECT_EQ(format(s.left.BlankPattern), Shown("21 時05分"));
}

TEST(DeriveDisplayPatterns, PairingByBlinkModeAndFace) {
    struct Case {
        std::int32_t blinkMode;
        bool swing;
        const char *leftFace, *leftOdd, *leftEven, *rightOdd, *rightEven;
    } const cases[] = {
        {0, false, "P", "hh:nn", "hh mm", "h:nn", "h mm"},
        {1, false, "P", "hh:nn", "hh mm", "h mm", "h:nn"},
        {2, false, "P", "hh:nn", "hh:nn", "h:nn", "h:nn"},
        // Only a proportional face swings.
        {0, true, "Fixed", "hh:nn", "hh mm", "h: mm", "h :mm"},
    };
    for (const Case& c : cases) {
        Sides s;
        s.left.TimeIndex = 3;
        s.right.TimeIndex = 2;
        s.Derive(c.blinkMode, c.swing, c.leftFace, Proportional);
        EXPECT_EQ(s.left.OddSecondPattern, c.leftOdd) << c.blinkMode << c.swing;
        EXPECT_EQ(s.left.EvenSecondPattern, c.leftEven) << c.blinkMode << c.swing;
        EXPECT_EQ(s.right.OddSecondPattern, c.rightOdd) << c.blinkMode << c.swing;
        EXPECT_EQ(s.right.EvenSecondPattern, c.rightEven) << c.blinkMode << c.swing;
    }
}

TEST(DeriveDisplayPatterns, UnknownBlinkModeLeavesThePairs) {
    for (const std::int32_t mode : {3, -1, 1000}) {
        Sides s;
        s.Derive(mode, false);
        EXPECT_TRUE(s.left.OddSecondPattern.empty()) << mode;
        EXPECT_TRUE(s.right.EvenSecondPattern.empty()) << mode;
        s.Derive(0, false);
        s.left.TimeIndex = 3;
        s.Derive(mode, false);
        EXPECT_EQ(s.left.ColonPattern, "hh:nn");
        EXPECT_EQ(s.left.OddSecondPattern, "h:mm AMPM") << mode;
        EXPECT_EQ(s.left.EvenSecondPattern, "h nn AMPM") << mode;
    }
}

TEST(DeriveDisplayPatterns, IndexesOutsideTheListsShowEntryZero) {
    for (const std::int32_t index : {-1, 32, INT32_MIN, INT32_MAX}) {
        Sides s;
        s.left.DateIndex = s.left.TimeIndex = index;
        s.Derive(0, false);
        EXPECT_EQ(s.left.DatePattern, "ddddd") << index;
        EXPECT_EQ(s.left.ColonPattern, "h:mm AMPM") << index;
        EXPECT_EQ(s.left.DateIndex, index);
        EXPECT_EQ(s.left.TimeIndex, index);
    }
    Sides s;
    s.left.DateIndex = 31;
    s.left.TimeIndex = 7;
    s.right.DateIndex = s.right.TimeIndex = 8; // the first index past the time list
    s.Derive(0, false);
    EXPECT_EQ(s.left.DatePattern, "ggge年m月d日(dddd)");
    EXPECT_EQ(s.left.ColonPattern, "ampm hh:nn");
    EXPECT_EQ(s.right.DatePattern, "mmm/dd");
    EXPECT_EQ(s.right.ColonPattern, "h:mm AMPM");
}

TEST(DeriveDisplayPatterns, ListsNeverBuiltGiveEmptyPatterns) {
    ClockSide left, right;
    DeriveDisplayPatterns(left, right, DisplayOptions{BlinkPairing::Simultaneous, true}, Pitch,
                          Proportional, Fixed);
    EXPECT_EQ(left.DatePattern, "");
    EXPECT_EQ(left.ColonPattern, ": mm");
    EXPECT_EQ(left.BlankPattern, " :mm");
    EXPECT_EQ(right.ColonPattern, "");
    EXPECT_EQ(right.BlankPattern, " mm");
}

} // namespace
} // namespace velmora
