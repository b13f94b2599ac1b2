#include "engine/text.h"

#include <gtest/gtest.h>

#include "engine/reading_order.h"
#include "engine/shapeable_text.h"

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

TEST(LeadingChars, CutsBetweenCharactersOnly) {
    const struct {
        Text text;
        std::size_t maxBytes;
        Text kept;
    } cases[] = {
        {"abc", 5, "abc"},
        {"abc", 3, "abc"},
        {"abc", 2, "ab"},
        {"a表b", 2, "a"}, // the two-byte character does not fit whole
        {"a表b", 3, "a表"},
        {"表表", 3, "表"},
        {"abc", 0, ""},
        {Text("a\x81", 2), 2, Text("a\x81", 2)}, // a lone lead byte at the end is one byte
    };
    for (const auto& c : cases)
        EXPECT_EQ(LeadingChars(c.text, c.maxBytes), c.kept) << c.text << " " << c.maxBytes;
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

TEST(ShownText, WidthLimitAndReadingOrderAnchors) {
    // Widths as code page 932 counts bytes: ASCII and half-width katakana one.
    EXPECT_EQ(LeadingUnits(u"ab年ｱc", 4), u"ab年");
    EXPECT_EQ(LeadingUnits(u"ab年ｱc", 3), u"ab");
    EXPECT_EQ(LeadingUnits(u"éｱ", 3), u"éｱ");
    // The half-width range ends exactly at U+FF61 and U+FF9F.
    for (const auto& [unit, width] : {std::pair{u'\uFF60', 2u},
                                      {u'\uFF61', 1u},
                                      {u'\uFF9F', 1u},
                                      {u'\uFFA0', 2u},
                                      {u'\x7F', 1u},
                                      {u'\x80', 2u}})
        EXPECT_EQ(Cp932Width(unit), width) << int(unit);
    // At every limit around the 256 bytes a caption is cut at, a character
    // beyond the first plane is kept or left whole, never split.
    const std::u16string long_(253, u'a');
    for (std::size_t limit = 250; limit <= 262; ++limit) {
        const std::u16string text = long_ + u"\U0001F600b";
        const std::u16string_view kept = LeadingUnits(text, limit);
        EXPECT_FALSE(!kept.empty() && kept.back() >= 0xD800 && kept.back() <= 0xDBFF) << limit;
        EXPECT_EQ(kept.size(),
                  limit < 257 ? std::min<std::size_t>(limit, 253) : (limit < 258 ? 255 : 256))
            << limit;
    }

    // A mark after each right-to-left run that digits or other letters follow;
    // a run goes on across blanks and punctuation.
    const struct {
        std::u16string_view text, anchored;
    } cases[] = {
        {u"2026/ديسمبر/07(الاثنين)", u"2026/ديسمبر‎/07(الاثنين‎)"},
        {u"יום שני 7", u"יום שני‎ 7"},
        {u"ديسمبر ٢٠", u"ديسمبر‎ ٢٠"}, // Arabic digits read left to right
        {u"2026/décembre/07", u"2026/décembre/07"},
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithLeftToRightAnchors(c.text), c.anchored);
}

// What the shaping engine is given: a base for a leading mark, no Thai mark
// without its letter, no lone surrogates, everything else as it was.
TEST(ShownText, ShapeableText) {
    const struct {
        std::u16string_view text, shapeable;
    } cases[] = {
        {u"\u0E48", u"\uFFFD"},               // a lone Thai tone mark
        {u"\u0E35\u0E48x", u"\uFFFD\uFFFDx"}, // two marks without a letter
        {u"\u0E01\u0E38\u0E39\u0E3A\u0E48", u"\u0E01\u0E38\u0E39\u0E3A\u0E48"},
        {u"\u0E50\u0E31", u"\u0E50\uFFFD"}, // after a Thai digit
        {u"a \u0E31\u00A0\u0E48", u"a \uFFFD\u00A0\uFFFD"},
        {u"\u05B0\u0E31", u"\uFFFD\uFFFD"},   // Hebrew and Thai marks alone
        {u"a\u05B0\u200F", u"a\uFFFD\u200F"}, // after another script's letter
        {u"\u05D0\u05B0\u200F", u"\u05D0\u05B0\u200F"},
        {u"\u0628\u064B\u0651", u"\u0628\u064B\u0651"},
        {u"\u064B\u0628", u"\uFFFD\u0628"},
        {u"\u0301e", u" \u0301e"},
        {u"e\u0301", u"e\u0301"},
        {u"a\xD800"
         u"b",
         u"a\uFFFDb"},
        {u"\xDC00", u"\uFFFD"},
        {u"a\xD800", u"a\uFFFD"},
        {u"\xDC00\xD800", u"\uFFFD\uFFFD"}, // in the wrong order: two lone halves
        {u"\U0001F600", u"\U0001F600"},
        {u"วันพุธที่ 9", u"วันพุธที่ 9"},
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShapeableText(c.text), c.shapeable);
    // Every unit of the mark blocks is a mark; the letters around them are not.
    for (const char16_t unit : {u'\u0300', u'\u036F', u'\u0E31', u'\u0E4E', u'\u3099'})
        EXPECT_TRUE(IsCombiningMark(unit)) << int(unit);
    for (const char16_t unit : {u'\u02FF', u'\u0370', u'\u0E30', u'\u0E32', u'\u0E4F', u'a'})
        EXPECT_FALSE(IsCombiningMark(unit)) << int(unit);
}

} // namespace
} // namespace velmora
