#include "settings/setting_values.h"

#include "engine/conversion_error.h"
#include "settings/color_names.h"

namespace velmora {
namespace {

int DigitValue(char c, int base) {
    int digit = 16;
    if (c >= '0' && c <= '9')
        digit = c - '0';
    else if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
    return digit < base ? digit : -1;
}

// Length of the hexadecimal marker at `pos` ("$", "x", "X", "0x", "0X"), 0 if none.
std::size_t HexMarkerLength(std::string_view text, std::size_t pos) {
    if (pos >= text.size())
        return 0;
    const char c = text[pos];
    if (c == '$' || c == 'x' || c == 'X')
        return 1;
    if (c == '0' && pos + 1 < text.size() && (text[pos + 1] == 'x' || text[pos + 1] == 'X'))
        return 2;
    return 0;
}

} // namespace

ParsedInteger ParseInteger(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t marker = HexMarkerLength(text, pos);
    const int base = marker > 0 ? 16 : 10;
    pos += marker;
    if (pos >= text.size())
        return {IntegerStatus::NotANumber, 0};

    // Decimal must fit the signed range; hexadecimal is a 32-bit pattern, so
    // "$FFFFFFFF" is -1 and a sign in front negates that pattern.
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
    std::uint64_t magnitude = 0;
    bool tooLarge = false;
    for (; pos < text.size(); ++pos) {
        const int digit = DigitValue(text[pos], base);
        if (digit < 0)
            return {IntegerStatus::NotANumber, 0};
        magnitude = magnitude * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        if (magnitude > limit) {
            tooLarge = true;
            magnitude = limit + 1; // keeps the product small; the digits are still checked
        }
    }
    if (tooLarge)
        return {IntegerStatus::OutOfRange, 0};
    const std::uint32_t pattern = static_cast<std::uint32_t>(magnitude);
    return {IntegerStatus::Ok, static_cast<std::int32_t>(negative ? 0u - pattern : pattern)};
}

std::int32_t IntegerOr(std::string_view text, std::int32_t fallback) {
    const ParsedInteger parsed = ParseInteger(text);
    return parsed.status == IntegerStatus::Ok ? parsed.value : fallback;
}

bool BooleanOr(std::string_view text, bool fallback) {
    return IntegerOr(text, fallback ? 1 : 0) != 0;
}

Text IntegerText(std::int32_t value) {
    return std::to_string(value);
}

Text BooleanText(bool value) {
    return value ? "1" : "0";
}

Color ParseColor(std::string_view text, Color fallback) {
    if (const std::optional<Color> named = ColorFromName(text))
        return *named;
    const ParsedInteger parsed = ParseInteger(text);
    switch (parsed.status) {
    case IntegerStatus::Ok:
        return parsed.value;
    case IntegerStatus::OutOfRange:
        return fallback;
    case IntegerStatus::NotANumber:
        break;
    }
    ThrowNotAnInteger(text);
}

Text ColorText(Color color) {
    for (const ColorName& entry : ColorNames()) {
        if (entry.value == color)
            return Text(entry.name);
    }
    return "$" + UpperHex(static_cast<std::uint32_t>(color), 8);
}

FontStyle FontStyleFromInteger(std::int32_t value) {
    return static_cast<FontStyle>(static_cast<std::uint8_t>(value));
}

std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
    if (c == 0)
        return -1;
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t divisor = c;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    // Adding half the divisor before a division that truncates toward zero
    // rounds halves away from zero, as Windows does.
    const std::int64_t half = divisor / 2;
    const std::int64_t result = (product >= 0 ? product + half : product - half) / divisor;
    if (result > 2147483647 || result < -2147483647)
        return -1;
    return static_cast<std::int32_t>(result);
}

std::int32_t FontHeightFromSize(std::int32_t size, std::int32_t pixelsPerInch) {
    return -MulDiv(size, pixelsPerInch, 72);
}

std::int32_t FontSizeFromHeight(std::int32_t height, std::int32_t pixelsPerInch) {
    return -MulDiv(height, 72, pixelsPerInch);
}

} // namespace velmora
