#pragma once
// The value types of the settings file: integers, booleans, colours, font
// styles and font sizes, as text and back.
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/text.h"

namespace velmora {

// 0x00BBGGRR, 0xFF000000 + a system colour index, 0x1FFFFFFF none,
// 0x20000000 the default colour.
using Color = std::int32_t;

enum class IntegerStatus { Ok, OutOfRange, NotANumber };

struct ParsedInteger {
    IntegerStatus status = IntegerStatus::NotANumber;
    std::int32_t value = 0;
};

// Leading blanks, an optional sign, then decimal digits or hexadecimal ones
// after "$", "x", "X", "0x" or "0X". Hexadecimal gives the 32-bit pattern.
ParsedInteger ParseInteger(std::string_view text);
std::int32_t IntegerOr(std::string_view text, std::int32_t fallback);
bool BooleanOr(std::string_view text, bool fallback);

Text IntegerText(std::int32_t value);
Text BooleanText(bool value);

// A colour name of the table (ASCII case ignored) or an integer; a number out
// of range gives `fallback`; any other text throws ConversionError.
Color ParseColor(std::string_view text, Color fallback);
// The first name of the table with this value, else "$" and eight hex digits.
Text ColorText(Color color);

// A label font's style as the file keeps it: a bit for each effect. The
// other bits of the byte mean nothing and are kept as read.
enum class FontStyle : std::uint8_t {
    Regular = 0,
    Bold = 1,
    Italic = 2,
    Underline = 4,
    StrikeOut = 8,
};

constexpr FontStyle operator|(FontStyle a, FontStyle b) {
    return static_cast<FontStyle>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}
constexpr bool HasStyle(FontStyle style, FontStyle effect) {
    return (static_cast<std::uint8_t>(style) & static_cast<std::uint8_t>(effect)) != 0;
}

// The low eight bits.
FontStyle FontStyleFromInteger(std::int32_t value);

// Windows' MulDiv: a * b / c rounded half away from zero through a 64-bit
// product; -1 when c is 0 or the result does not fit.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);
// A size in points to a font height in pixels (negative: a character height).
std::int32_t FontHeightFromSize(std::int32_t size, std::int32_t pixelsPerInch);
std::int32_t FontSizeFromHeight(std::int32_t height, std::int32_t pixelsPerInch);

} // namespace velmora
