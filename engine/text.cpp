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

} // namespace velmora
