#pragma once
// What the clock shows: UTF-16 text, so that month and day names of every
// language reach the screen as the system gives them. The clock's own texts
// (patterns, names of the clocks, settings) stay code page 932 and are
// decoded on their way into shown text.
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/text.h"

namespace velmora {

using WideText = std::u16string;

// Decodes the clock's code page 932 text; the platform supplies the table.
class Cp932Decoder {
  public:
    virtual ~Cp932Decoder() = default;
    // One character: a single byte, or a lead byte and its second byte. Code
    // page 932 has no character beyond one UTF-16 unit.
    virtual char16_t Decode(std::string_view character) const = 0;
};

// Shown when there is no decoder for a byte above 0x7F.
constexpr char16_t ReplacementCharacter = u'\uFFFD';

// The whole text, character by character. ASCII needs no decoder.
WideText DecodeText(std::string_view cp932, const Cp932Decoder* decoder);

// The bytes a unit takes in code page 932: one for ASCII and half-width
// katakana, two for the rest. Limits counted in bytes of the clock's text
// are counted with this for shown text.
constexpr std::size_t Cp932Width(char16_t unit) {
    return unit < 0x80 || (unit >= 0xFF61 && unit <= 0xFF9F) ? 1 : 2;
}

// The longest start of `text` whose width is at most `maxBytes` and that
// ends between characters (never inside a surrogate pair).
std::u16string_view LeadingUnits(std::u16string_view text, std::size_t maxBytes);

} // namespace velmora
