#include "engine/clock_side.h"

#include <gtest/gtest.h>

#include "engine/pattern_lists.h"

namespace velmora {
namespace {

TEST(ClockSide, Defaults) {
    const ClockSide left = DefaultLeftSide();
    const ClockSide right = DefaultRightSide();
    EXPECT_EQ(left.BoxName, "昭和基地");
    EXPECT_EQ(right.BoxName, "ヒューストン");
    EXPECT_EQ(left.DiffIndex, 59);
    EXPECT_EQ(right.DiffIndex, 77);
    for (const ClockSide* side : {&left, &right}) {
        EXPECT_EQ(side->LocaleID, 1041);
        EXPECT_EQ(side->DateIndex, 0);
        EXPECT_EQ(side->TimeIndex, 0);
        EXPECT_EQ(side->FormatSettings, TFormatSettings{});
        ASSERT_EQ(side->DatePatternList.size(), 32u);
        ASSERT_EQ(side->TimePatternList.size(), 8u);
        EXPECT_EQ(side->DatePatternList[0], "m/d/yy");
        EXPECT_EQ(side->TimePatternList[1], "h:mm:ss AMPM");
        EXPECT_TRUE(side->OddSecondPattern.empty());
        EXPECT_TRUE(side->EvenSecondPattern.empty());
        EXPECT_EQ(side->SideTime, 0);
    }
}

TEST(PatternLists, BuildFillsLocaleEntriesThenTheFixedPatterns) {
    ClockSide side;
    side.FormatSettings.ShortDatePattern = "yyyy/mm/dd";
    side.FormatSettings.LongDatePattern = "yyyy'年'm'月'd'日'";
    side.FormatSettings.ShortTimePattern = "h:mm";
    side.FormatSettings.LongTimePattern = "h:mm:ss";
    side.DatePatternList = {"stale"};
    BuildPatternLists(side);

    struct Entry {
        std::size_t index;
        const char* pattern;
    };
    const Entry dates[] = {
        {0, "yyyy/mm/dd"},          {1, "yyyy'年'm'月'd'日'"}, {2, "m/d"},
        {10, "mmm/dd(dddd)"},       {11, "yy/mm/dd"},          {20, "yyyy/mm/dd"},
        {28, "yyyy/mmmm/dd(dddd)"}, {29, "ggge年m月d日"},      {31, "ggge年m月d日(dddd)"}};
    ASSERT_EQ(side.DatePatternList.size(), 32u);
    for (const Entry& e : dates)
        EXPECT_EQ(side.DatePatternList[e.index], e.pattern) << e.index;

    const char* times[] = {"h:mm",       "h:mm:ss",     "h:nn",      "hh:nn",
                           "AM/PM h:nn", "AM/PM hh:nn", "ampm h:nn", "ampm hh:nn"};
    ASSERT_EQ(side.TimePatternList.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(side.TimePatternList[i], times[i]) << i;
}

TEST(PatternLists, RefreshReplacesOnlyTheLocaleEntries) {
    ClockSide side = DefaultLeftSide();
    side.DateIndex = 31;
    side.TimeIndex = 5;
    side.DatePatternList[2] = "kept";
    side.FormatSettings.ShortDatePattern = "d.m.yyyy";
    side.FormatSettings.LongDatePattern = "dddd d mmmm yyyy";
    side.FormatSettings.ShortTimePattern = "H:mm";
    side.FormatSettings.LongTimePattern = "H:mm:ss";
    RefreshLocalePatterns(side);
    EXPECT_EQ(side.DatePatternList[0], "d.m.yyyy");
    EXPECT_EQ(side.DatePatternList[1], "dddd d mmmm yyyy");
    EXPECT_EQ(side.DatePatternList[2], "kept");
    EXPECT_EQ(side.TimePatternList[0], "H:mm");
    EXPECT_EQ(side.TimePatternList[1], "H:mm:ss");
    EXPECT_EQ(side.TimePatternList[2], "h:nn");
    EXPECT_EQ(side.DateIndex, 31);
    EXPECT_EQ(side.TimeIndex, 5);
}

TEST(PatternLists, RefreshOfListsNeverBuiltBuildsThem) {
    ClockSide side;
    RefreshLocalePatterns(side);
    EXPECT_EQ(side.DatePatternList.size(), 32u);
    EXPECT_EQ(side.TimePatternList.size(), 8u);
    EXPECT_EQ(side.TimePatternList[7], "ampm hh:nn");
}

} // namespace
} // namespace velmora
