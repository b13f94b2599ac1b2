#include "engine/text.h"

namespace velmora {

std::size_t NextChar(std::string_view s, std::size_t pos) {
    if (pos >= s.size())
        return s.size();
    // A lead byte at the very end has no second byte to skip.
    if (IsLeadByte(static_cast<unsigned char>(s[pos])) && pos + 1 < s.size())
        return pos + 2;
    return pos + 1;
}

std::string_view LeadingChars(std::string_view s, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < s.size()) {
        const std::size_t next = NextChar(s, end);
        if (next > maxBytes)
            break;
        end = next;
    }
    return s.substr(0, end);
}

// Written out by hand: the C library's printf family would bring its whole
// formatting engine into the executable for these few numbers.
Text UpperHex(std::uint32_t value, int digits) {
    Text text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0 && value != 0; --i, value >>= 4)
        text[static_cast<std::size_t>(i)] = "0123456789ABCDEF"[value & 0xF];
    return text;
}

} // namespace velmora
