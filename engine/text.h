#pragma once
// Text inside the clock: 8-bit code page 932 bytes; lengths and positions count bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

using Text = std::string;

// Code page 932's lead bytes. The clock's text is code page 932 on every
// Windows, so this set does not follow the system code page.
constexpr bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Position of the character after the one at `pos` (CharNext): a two-byte
// character is skipped whole; never beyond the end of `s`.
std::size_t NextChar(std::string_view s, std::size_t pos);

// The longest start of `s` of at most `maxBytes` bytes that ends between
// characters.
std::string_view LeadingChars(std::string_view s, std::size_t maxBytes);

// `value` in `digits` upper-case hexadecimal digits, zero-padded ("0000FF00").
Text UpperHex(std::uint32_t value, int digits);

} // namespace velmora
