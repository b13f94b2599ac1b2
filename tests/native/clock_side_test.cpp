#include "engine/clock_side.h"

#include <gtest/gtest.h>

#include "engine/pattern_lists.h"
#include "settings/clock_side_values.h"
#include "settings/settings_reader.h"

namespace velmora {
namespace {

TEST(ClockSide, Defaults) {
    const Settings defaults = DefaultSettings();
    const ClockSide left = ClockSideOf(defaults.Sides[0]), right = ClockSideOf(defaults.Sides[1]);
    EXPECT_EQ(left.BoxName, "昭和基地");
    EXPECT_EQ(right.BoxName, "ヒューストン");
    EXPECT_EQ(left.DiffIndex, 59);
    EXPECT_EQ(right.DiffIndex, 77);
    for (const ClockSide* side : {&left, &right}) {
        EXPECT_EQ(side->LocaleID, 1041);
        EXPECT_EQ(side->DateIndex + side->TimeIndex, 0);
        EXPECT_EQ(side->FormatSettings, TFormatSettings{});
        ASSERT_EQ(side->DatePatternList.size(), 32u);
        ASSERT_EQ(side->TimePatternList.size(), 8u);
        EXPECT_EQ(side->DatePatternList[0], "ddddd");
        EXPECT_EQ(side->TimePatternList[1], "h:mm:ss AMPM");
        EXPECT_EQ(side->OddSecondPattern + side->EvenSecondPattern, "");
        EXPECT_EQ(side->SideTime, 0);
    }
}

TEST(PatternLists, RefreshReplacesOnlyTheLocaleEntries) {
    ClockSide side;
    RefreshLocalePatterns(side); // lists never built: builds them
    EXPECT_EQ(side.DatePatternList.size(), 32u);
    EXPECT_EQ(side.TimePatternList.size(), 8u);
    side.DateIndex = 31;
    side.TimeIndex = 5;
    side.DatePatternList[2] = "kept";
    side.FormatSettings.ShortTimePattern = "H:mm";
    side.FormatSettings.LongTimePattern = "H:mm:ss";
    RefreshLocalePatterns(side);
    EXPECT_EQ(side.DatePatternList[0] + "|" + side.DatePatternList[1] + "|" +
                  side.DatePatternList[2],
              "ddddd|dddddd|kept");
    EXPECT_EQ(side.TimePatternList[0] + "|" + side.TimePatternList[1] + "|" +
                  side.TimePatternList[2],
              "H:mm|H:mm:ss|h:nn");
    EXPECT_EQ(side.DateIndex, 31);
    EXPECT_EQ(side.TimeIndex, 5);
}

} // namespace
} // namespace velmora
