#pragma once
// Expected shown texts written as the clock's code page 932 literals and
// decoded as the clock decodes them.
#include "engine/cp932_decoder_iconv.h"
#include "engine/pc_locale.h"
#include "engine/wide_text.h"

namespace velmora {

inline const IconvCp932Decoder& TestDecoder() {
    static const IconvCp932Decoder decoder;
    return decoder;
}

inline WideText Shown(std::string_view cp932) {
    return DecodeText(cp932, &TestDecoder());
}

// A shown text of ASCII only, as the clock's text, for messages.
inline Text AsciiOf(std::u16string_view shown) {
    Text ascii;
    for (const char16_t unit : shown)
        ascii.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    return ascii;
}

// The PC facts of a fresh record, with the decoder the clock always has.
inline PcLocaleFacts DecodingFacts() {
    PcLocaleFacts pc;
    pc.Decoder = &TestDecoder();
    return pc;
}

} // namespace velmora
