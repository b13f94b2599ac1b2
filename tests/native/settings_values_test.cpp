#include "settings/setting_values.h"

#include <gtest/gtest.h>

#include "engine/conversion_error.h"

namespace velmora {
namespace {

TEST(SettingValues, IntegersConvertLikeTheFileExpects) {
    using enum IntegerStatus;
    const struct { const char* text; IntegerStatus status; std::int32_t value; } cases[] = {
        {"0", Ok, 0}, {"   -7", Ok, -7}, {"+5", Ok, 5}, {"-0", Ok, 0}, {"007", Ok, 7},
        {"2147483647", Ok, 2147483647}, {"-2147483648", Ok, -2147483647 - 1},
        {"000000000000002147483647", Ok, 2147483647}, {"2147483648", OutOfRange, 0},
        {"-2147483649", OutOfRange, 0}, {"99999999999999999999999", OutOfRange, 0},
        {"$ff", Ok, 255}, {"x1F", Ok, 31}, {"X1f", Ok, 31}, {"0x00FF00", Ok, 0x00FF00},
        {"0X10", Ok, 16}, {"$80000000", Ok, -2147483647 - 1}, {"$FFFFFFFF", Ok, -1},
        {"$000000000FF", Ok, 255}, {"$FFFFFFFFF", OutOfRange, 0}, {"-$10", Ok, -16},
        {"+$10", Ok, 16}, {"-$FFFFFFFF", Ok, 1}, {"-0x10", Ok, -16}, {"$-10", NotANumber, 0},
        {"0x-1", NotANumber, 0}, {"", NotANumber, 0}, {" ", NotANumber, 0}, {"-", NotANumber, 0},
        {"+", NotANumber, 0}, {"$", NotANumber, 0}, {"0x", NotANumber, 0}, {"--1", NotANumber, 0},
        {"+-1", NotANumber, 0}, {"12 ", NotANumber, 0}, {"1 2", NotANumber, 0},
        {"\t12", NotANumber, 0}, {"1.5", NotANumber, 0}, {"12abc", NotANumber, 0},
        {"99999999999x", NotANumber, 0}, {"$G", NotANumber, 0}, {"0x0x1", NotANumber, 0},
        {"１２", NotANumber, 0},
    };
    for (const auto& c : cases) {
        const ParsedInteger parsed = ParseInteger(c.text);
        EXPECT_EQ(parsed.status, c.status) << '"' << c.text << '"';
        if (c.status == Ok) {
            EXPECT_EQ(parsed.value, c.value) << '"' << c.text << '"';
        }
    }
}

TEST(SettingValues, IntegersAndBooleansFallBackToTheDefault) {
    EXPECT_EQ(IntegerOr("abc", 255), 255);
    EXPECT_EQ(IntegerOr("2147483648", 3), 3);
    EXPECT_EQ(IntegerOr("300", 255), 300);
    const struct { const char* text; bool fallback, expected; } booleans[] = {
        {"0", true, false},  {"2", false, true},    {"-1", false, true},
        {"yes", true, true}, {"yes", false, false}, {"$0", true, false},
    };
    for (const auto& c : booleans)
        EXPECT_EQ(BooleanOr(c.text, c.fallback), c.expected) << c.text << ' ' << c.fallback;
}

TEST(SettingValues, ColoursReadByNameOrNumberAndWriteTheFirstName) {
    const Color windowText = static_cast<Color>(0xFF000008u);
    const struct { const char* text; Color read; const char* written; } cases[] = {
        {"$000000FF", 0x0000FF, "clRed"}, {"255", 0x0000FF, "clRed"},
        {"0x00FF00", 0x00FF00, "clLime"}, {"clwindowtext", windowText, "clWindowText"},
        {"-16777208", windowText, "clWindowText"},
        {"$00FF8000", 0x00FF8000, "$00FF8000"}, {"-1", -1, "$FFFFFFFF"},
        {"$FF000019", static_cast<Color>(0xFF000019u), "$FF000019"},
        // Out of range is a number all the same: the default, no error.
        {"$FFFFFFFFF", 0x123456, "$00123456"},
    };
    for (const auto& c : cases) {
        const Color color = ParseColor(c.text, 0x123456);
        EXPECT_EQ(color, c.read) << c.text;
        EXPECT_EQ(ColorText(color), c.written) << c.text;
    }
}

TEST(SettingValues, ATextThatIsNoColourIsAConversionError) {
    for (const char* text : {"", "clBlu", "red", "#FF0000", " clRed", "$-1"}) {
        try {
            ParseColor(text, 0);
            ADD_FAILURE() << text;
        } catch (const ConversionError& e) {
            EXPECT_EQ(Text(e.what()), "'" + Text(text) + "' は整数ではありません");
        }
    }
}

TEST(SettingValues, MulDivRoundsHalvesAwayFromZero) {
    const struct { std::int32_t a, b, c, expected; } cases[] = {
        {14, 96, 72, 19}, {-19, 72, 96, -14}, {1, 1, 2, 1}, {-1, 1, 2, -1}, {5, 1, -2, -3},
        {-5, -1, -2, -3}, {7, 1, 3, 2}, {8, 1, 3, 3}, {1, 1, 0, -1}, {2147483647, 2, 1, -1},
        {-2147483647 - 1, 1, 1, -1}, {-2147483647, 1, 1, -2147483647},
        {2147483647, 2147483647, 2147483647, 2147483647}, // halves away from zero, overflow is -1
    };
    for (const auto& c : cases)
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << '*' << c.b << '/' << c.c;
}

TEST(SettingValues, FontSizesAndHeightsConvertAtTheScreensResolution) {
    const struct { std::int32_t size, pixelsPerInch, height; } cases[] = {
        {14, 96, -19}, {14, 120, -23}, {14, 144, -28}, {-15, 96, 20}, {0, 96, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(FontHeightFromSize(c.size, c.pixelsPerInch), c.height) << c.size;
        EXPECT_EQ(FontSizeFromHeight(c.height, c.pixelsPerInch), c.size) << c.size;
    }
}

} // namespace
} // namespace velmora
