#include "engine/offset_table.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "tests/native/shown_text.h"

#include "engine/format_pattern.h"

namespace velmora {
namespace {

using namespace std::chrono;

TEST(OffsetLabel, KnownEntriesAndTheSignedHalfHourFormOfEvery) {
    const std::pair<int, const char*> cases[] = {
        {0, "+23.5"}, {1, "+23"}, {45, "+1"},  {46, "+0.5"}, {47, "0"},
        {48, "-0.5"}, {59, "-6"}, {77, "-15"}, {93, "-23"},  {94, "-23.5"}};
    for (const auto& [index, label] : cases)
        EXPECT_EQ(OffsetLabel(index), label) << index;
    std::set<Text> seen;
    for (int i = 0; i < OffsetCount; ++i) {
        const Text label = OffsetLabel(i);
        const double hours = (ZeroOffsetIndex - i) * 0.5;
        EXPECT_EQ(std::stod(label), hours) << label;
        EXPECT_EQ(label.front() == '+', hours > 0) << label;
        EXPECT_EQ(label.find('.') == Text::npos || label.ends_with(".5"), true) << label;
        seen.insert(label);
    }
    EXPECT_EQ(seen.size(), std::size_t{OffsetCount});
}

TEST(ComputeSideTime, SubtractsHalfHoursAndCrossesMidnight) {
    struct Case {
        int pcHour, pcMinute;
        std::int32_t diffIndex;
        const char* sideTime;
    } const cases[] = {
        {12, 0, 47, "2010/04/01 12:00"}, {12, 0, 95, "2010/03/31 12:00"}, // one past the table
        {12, 0, -1, "2010/04/02 12:00"}, {3, 0, 59, "2010/03/31 21:00"},  // 6 hours behind
        {14, 0, 77, "2010/03/31 23:00"}, {15, 0, 77, "2010/04/01 00:00"}, // 15 hours behind
        {22, 0, 0, "2010/04/02 21:30"},  {0, 15, 94, "2010/03/31 00:45"}, // 23.5 hours
        {0, 15, 48, "2010/03/31 23:45"}, {0, 15, 46, "2010/04/01 00:45"}};
    for (const Case& c : cases) {
        const DateTime pc = EncodeDateTime(year{2010} / April / 1, c.pcHour, c.pcMinute);
        EXPECT_EQ(FormatPattern("yyyy/mm/dd hh:nn", ComputeSideTime(pc, c.diffIndex),
                                TFormatSettings{}, PcLocaleFacts{}),
                  Shown(c.sideTime))
            << c.pcHour << ":" << c.pcMinute << " index " << c.diffIndex;
    }
    EXPECT_EQ(ComputeSideTime(40269.5, 47), 40269.5);
    // Extreme indexes do not overflow.
    EXPECT_NEAR(ComputeSideTime(40269.5, INT32_MAX), 40269.5 - (INT32_MAX - 47.0) / 48, 1e-3);
    EXPECT_NEAR(ComputeSideTime(40269.5, INT32_MIN), 40269.5 - (INT32_MIN - 47.0) / 48, 1e-3);
}

} // namespace
} // namespace velmora
