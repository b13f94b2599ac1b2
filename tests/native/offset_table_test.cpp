#include "engine/offset_table.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "engine/format_pattern.h"

namespace velmora {
namespace {

using namespace std::chrono;

TEST(OffsetLabel, KnownEntries) {
    struct Case {
        int index;
        const char* label;
    };
    const Case cases[] = {{0, "+23.5"}, {1, "+23"},  {2, "+22.5"}, {45, "+1"},
                          {46, "+0.5"}, {47, "0"},   {48, "-0.5"}, {49, "-1"},
                          {59, "-6"},   {77, "-15"}, {93, "-23"},  {94, "-23.5"}};
    for (const Case& c : cases)
        EXPECT_EQ(OffsetLabel(c.index), c.label) << c.index;
}

// Every label reads back as the entry's offset in hours, in the one form.
TEST(OffsetLabel, EveryEntryHasTheSignedHalfHourForm) {
    std::set<Text> seen;
    for (int i = 0; i < OffsetCount; ++i) {
        const Text label = OffsetLabel(i);
        const double hours = (ZeroOffsetIndex - i) * 0.5;
        EXPECT_EQ(std::stod(label), hours) << label;
        EXPECT_EQ(label.front() == '+', hours > 0) << label;
        const bool half = (ZeroOffsetIndex - i) % 2 != 0;
        EXPECT_EQ(label.find('.') != Text::npos, half) << label;
        if (half) {
            EXPECT_EQ(label.substr(label.size() - 2), ".5") << label;
        }
        seen.insert(label);
    }
    EXPECT_EQ(seen.size(), std::size_t{OffsetCount});
}

TEST(ComputeSideTime, SubtractsHalfHoursFromTheComputersTime) {
    const DateTime pc = EncodeDateTime(year{2010} / April / 1, 12, 0);
    struct Case {
        std::int32_t diffIndex;
        double hoursAhead;
    };
    const Case cases[] = {{47, 0},   {0, 23.5}, {94, -23.5}, {59, -6},
                          {77, -15}, {46, 0.5}, {95, -24},   {-1, 24}};
    for (const Case& c : cases)
        EXPECT_NEAR(ComputeSideTime(pc, c.diffIndex) - pc, c.hoursAhead / 24, 1e-9) << c.diffIndex;
    EXPECT_EQ(ComputeSideTime(pc, 47), pc);
}

TEST(ComputeSideTime, DateChangesAcrossMidnight) {
    struct Case {
        int pcHour, pcMinute;
        std::int32_t diffIndex;
        const char* sideTime;
    };
    const Case cases[] = {
        {3, 0, 59, "2010/03/31 21:00"},                                  // 6 hours behind
        {14, 0, 77, "2010/03/31 23:00"},                                 // 15 hours behind
        {15, 0, 77, "2010/04/01 00:00"}, {22, 0, 0, "2010/04/02 21:30"}, // 23.5 hours ahead
        {0, 15, 94, "2010/03/31 00:45"},                                 // 23.5 hours behind
        {0, 15, 48, "2010/03/31 23:45"},
    };
    for (const Case& c : cases) {
        const DateTime pc = EncodeDateTime(year{2010} / April / 1, c.pcHour, c.pcMinute);
        EXPECT_EQ(FormatPattern("yyyy/mm/dd hh:nn", ComputeSideTime(pc, c.diffIndex),
                                TFormatSettings{}, PcLocaleFacts{}),
                  c.sideTime)
            << c.pcHour << ":" << c.pcMinute << " index " << c.diffIndex;
    }
}

TEST(ComputeSideTime, ExtremeIndexesDoNotOverflow) {
    const DateTime pc = 40269.5;
    EXPECT_NEAR(ComputeSideTime(pc, INT32_MAX), pc - (INT32_MAX - 47.0) / 48, 1e-3);
    EXPECT_NEAR(ComputeSideTime(pc, INT32_MIN), pc - (INT32_MIN - 47.0) / 48, 1e-3);
}

} // namespace
} // namespace velmora
