#include "engine/text.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(NextChar, StepsOverTwoByteCharactersWhole) {
    const Text s = "a表b"; // 表 is 0x95 0x5C: its second byte is a backslash
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(NextChar(s, 0), 1u);
    EXPECT_EQ(NextChar(s, 1), 3u);
    EXPECT_EQ(NextChar(s, 3), 4u);
}

TEST(NextChar, NeverPassesTheEnd) {
    const Text loneLead("\x81", 1);
    EXPECT_EQ(NextChar(loneLead, 0), 1u);
    EXPECT_EQ(NextChar(loneLead, 1), 1u);
    EXPECT_EQ(NextChar("", 5), 0u);
}

TEST(IsLeadByte, MatchesCodePage932Ranges) {
    struct Case {
        unsigned char byte;
        bool lead;
    };
    const Case cases[] = {{0x80, false}, {0x81, true}, {0x9F, true}, {0xA0, false},
                          {0xDF, false}, {0xE0, true}, {0xFC, true}, {0xFD, false}};
    for (const Case& c : cases)
        EXPECT_EQ(IsLeadByte(c.byte), c.lead) << int(c.byte);
}

} // namespace
} // namespace velmora
