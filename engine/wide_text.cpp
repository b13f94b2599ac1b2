#include "engine/wide_text.h"

namespace velmora {

WideText DecodeText(std::string_view cp932, const Cp932Decoder* decoder) {
    WideText wide;
    wide.reserve(cp932.size());
    for (std::size_t pos = 0; pos < cp932.size();) {
        const std::size_t next = NextChar(cp932, pos);
        const auto first = static_cast<unsigned char>(cp932[pos]);
        if (first < 0x80)
            wide.push_back(first);
        else if (decoder == nullptr)
            wide.push_back(ReplacementCharacter);
        else
            wide.push_back(decoder->Decode(cp932.substr(pos, next - pos)));
        pos = next;
    }
    return wide;
}

std::u16string_view LeadingUnits(std::u16string_view text, std::size_t maxBytes) {
    std::size_t width = 0;
    std::size_t end = 0;
    while (end < text.size() && width + Cp932Width(text[end]) <= maxBytes)
        width += Cp932Width(text[end++]);
    // Half a character beyond the first plane would show as garbage.
    const auto high = [](char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; };
    if (end > 0 && end < text.size() && high(text[end - 1]))
        --end;
    return text.substr(0, end);
}

} // namespace velmora
