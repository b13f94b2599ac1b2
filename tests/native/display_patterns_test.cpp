#include "engine/display_patterns.h"

#include <set>

#include <gtest/gtest.h>

#include "engine/format_pattern.h"
#include "engine/pattern_lists.h"

namespace velmora {
namespace {

using namespace std::chrono;

class FakeFontPitch final : public FontPitch {
  public:
    explicit FakeFontPitch(std::set<Text> proportional) : proportional_(std::move(proportional)) {}
    bool IsProportionalFont(const Text& faceName) const override {
        return proportional_.count(faceName) != 0;
    }

  private:
    std::set<Text> proportional_;
};

const Text Fixed = "MS Gothic";
const Text Proportional = "MS PGothic";
const FakeFontPitch Pitch({Proportional});

struct Sides {
    ClockSide left = DefaultLeftSide();
    ClockSide right = DefaultRightSide();

    void Derive(std::int32_t blinkMode, bool swing, const Text& leftFace = Proportional,
                const Text& rightFace = Proportional) {
        DeriveDisplayPatterns(left, right, DisplayOptions{blinkMode, swing}, Pitch, leftFace,
                              rightFace);
    }
};

TEST(DeriveDisplayPatterns, DerivedPairsOfTheFixedTimePatterns) {
    struct Case {
        std::int32_t timeIndex;
        const char* blank;
        const char* swingColon;
        const char* swingBlank;
    };
    const Case cases[] = {
        {2, "h mm", "h: mm", "h :mm"},
        {3, "hh mm", "hh: mm", "hh :mm"},
        {4, "AM/PM h mm", "AM/PM h: mm", "AM/PM h :mm"},
        {5, "AM/PM hh mm", "AM/PM hh: mm", "AM/PM hh :mm"},
        {6, "ampm h mm", "ampm h: mm", "ampm h :mm"},
        {7, "ampm hh mm", "ampm hh: mm", "ampm hh :mm"},
    };
    for (const Case& c : cases) {
        Sides s;
        s.left.TimeIndex = c.timeIndex;
        s.Derive(0, false);
        EXPECT_EQ(s.left.ColonPattern, s.left.TimePatternList[c.timeIndex]);
        EXPECT_EQ(s.left.BlankPattern, c.blank);
        s.Derive(0, true);
        EXPECT_EQ(s.left.ColonPattern, c.swingColon);
        EXPECT_EQ(s.left.BlankPattern, c.swingBlank);
    }
}

TEST(DeriveDisplayPatterns, BlankedMinutesStayMinutes) {
    const DateTime evening = EncodeDateTime(year{2010} / April / 1, 21, 5);
    Sides s;
    s.left.TimeIndex = 5;
    s.Derive(0, true);
    const auto format = [&](const Text& pattern) {
        return FormatPattern(pattern, evening, TFormatSettings{}, PcLocaleFacts{});
    };
    EXPECT_EQ(format(s.left.ColonPattern), "PM 09: 05");
    EXPECT_EQ(format(s.left.BlankPattern), "PM 09 :05");

    s.left.TimePatternList[0] = "h:mm AMPM";
    s.left.TimeIndex = 0;
    s.Derive(0, true);
    EXPECT_EQ(format(s.left.BlankPattern), "9 :05 pm");
    s.left.TimePatternList[0] = "H時mm分";
    s.Derive(0, true);
    EXPECT_EQ(format(s.left.BlankPattern), "21 時05分");
}

TEST(DeriveDisplayPatterns, PairingByBlinkMode) {
    struct Case {
        std::int32_t blinkMode;
        const char* leftOdd;
        const char* leftEven;
        const char* rightOdd;
        const char* rightEven;
    };
    const Case cases[] = {
        {0, "hh:nn", "hh mm", "h:nn", "h mm"},
        {1, "hh:nn", "hh mm", "h mm", "h:nn"},
        {2, "hh:nn", "hh:nn", "h:nn", "h:nn"},
    };
    for (const Case& c : cases) {
        Sides s;
        s.left.TimeIndex = 3;
        s.right.TimeIndex = 2;
        s.Derive(c.blinkMode, false);
        EXPECT_EQ(s.left.OddSecondPattern, c.leftOdd) << c.blinkMode;
        EXPECT_EQ(s.left.EvenSecondPattern, c.leftEven) << c.blinkMode;
        EXPECT_EQ(s.right.OddSecondPattern, c.rightOdd) << c.blinkMode;
        EXPECT_EQ(s.right.EvenSecondPattern, c.rightEven) << c.blinkMode;
    }
}

TEST(DeriveDisplayPatterns, OnlyAProportionalFaceSwings) {
    Sides s;
    s.left.TimeIndex = 3;
    s.right.TimeIndex = 3;
    s.Derive(0, true, Fixed, Proportional);
    EXPECT_EQ(s.left.OddSecondPattern, "hh:nn");
    EXPECT_EQ(s.left.EvenSecondPattern, "hh mm");
    EXPECT_EQ(s.right.OddSecondPattern, "hh: mm");
    EXPECT_EQ(s.right.EvenSecondPattern, "hh :mm");

    s.Derive(0, false, Proportional, Proportional);
    EXPECT_EQ(s.right.OddSecondPattern, "hh:nn");
    EXPECT_EQ(s.right.EvenSecondPattern, "hh mm");
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
    const std::int32_t badIndexes[] = {-1, 32, 40, 1'000'000, INT32_MIN, INT32_MAX};
    for (const std::int32_t index : badIndexes) {
        Sides s;
        s.left.DateIndex = index;
        s.left.TimeIndex = index;
        s.Derive(0, false);
        EXPECT_EQ(s.left.DatePattern, "m/d/yy") << index;
        EXPECT_EQ(s.left.ColonPattern, "h:mm AMPM") << index;
        EXPECT_EQ(s.left.DateIndex, index);
        EXPECT_EQ(s.left.TimeIndex, index);
    }
    Sides s;
    s.left.DateIndex = 31;
    s.left.TimeIndex = 7;
    s.right.DateIndex = 8; // the first index past the time list
    s.right.TimeIndex = 8;
    s.Derive(0, false);
    EXPECT_EQ(s.left.DatePattern, "ggge年m月d日(dddd)");
    EXPECT_EQ(s.left.ColonPattern, "ampm hh:nn");
    EXPECT_EQ(s.right.DatePattern, "mmm/dd");
    EXPECT_EQ(s.right.ColonPattern, "h:mm AMPM");
}

TEST(DeriveDisplayPatterns, ListsNeverBuiltGiveEmptyPatterns) {
    ClockSide left, right;
    DeriveDisplayPatterns(left, right, DisplayOptions{0, true}, Pitch, Proportional, Fixed);
    EXPECT_EQ(left.DatePattern, "");
    EXPECT_EQ(left.ColonPattern, ": mm");
    EXPECT_EQ(left.BlankPattern, " :mm");
    EXPECT_EQ(right.ColonPattern, "");
    EXPECT_EQ(right.BlankPattern, " mm");
}

// Locale patterns that do not end in the separator and the minutes are split
// at the separator after the hour; others never lose half a character.
TEST(DeriveDisplayPatterns, LocaleTimePatterns) {
    struct Case {
        const char* pattern;
        const char* blank;
        const char* swingColon;
        const char* swingBlank;
    };
    const Case cases[] = {
        {"", " mm", ": mm", " :mm"},
        {"H:mm", "H mm", "H: mm", "H :mm"},
        {"H.mm", "H mm", "H: mm", "H :mm"},
        {"h:mm AMPM", "h nn AMPM", "h: nn AMPM", "h :nn AMPM"},
        {"H:mm:ss", "H nn:ss", "H: nn:ss", "H :nn:ss"},
        {"AMPM h:m", "AMPM h n", "AMPM h: n", "AMPM h :n"},
        {"'h:'HH:nn' Uhr'", "'h:'HH nn' Uhr'", "'h:'HH: nn' Uhr'", "'h:'HH :nn' Uhr'"},
        {"H時mm分", "H nn分", "H時 nn分", "H 時nn分"},
        {"h時分", "h mm", "h: mm", "h :mm"},
        {"hh", " mm", ": mm", " :mm"},
    };
    for (const Case& c : cases) {
        Sides s;
        s.left.TimePatternList[0] = c.pattern;
        s.Derive(0, false);
        EXPECT_EQ(s.left.ColonPattern, c.pattern);
        EXPECT_EQ(s.left.BlankPattern, c.blank) << c.pattern;
        s.Derive(0, true);
        EXPECT_EQ(s.left.ColonPattern, c.swingColon) << c.pattern;
        EXPECT_EQ(s.left.BlankPattern, c.swingBlank) << c.pattern;
    }
}

} // namespace
} // namespace velmora
