#include "engine/cp932_decoder_iconv.h"

#include <stdexcept>

namespace velmora {

namespace {
constexpr char16_t KatakanaMiddleDot = u'\u30FB';
}

IconvCp932Decoder::IconvCp932Decoder() : descriptor_(iconv_open("UTF-16LE", "CP932")) {
    if (descriptor_ == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv has no CP932");
}

IconvCp932Decoder::~IconvCp932Decoder() {
    iconv_close(descriptor_);
}

char16_t IconvCp932Decoder::Decode(std::string_view character) const {
    char in[2]{};
    character.copy(in, sizeof in);
    unsigned char out[4]{};
    char* inPointer = in;
    auto* outPointer = reinterpret_cast<char*>(out);
    std::size_t inLeft = character.size() < 2 ? character.size() : 2;
    std::size_t outLeft = sizeof out;
    iconv(descriptor_, nullptr, nullptr, nullptr, nullptr); // a fresh state for each character
    if (iconv(descriptor_, &inPointer, &inLeft, &outPointer, &outLeft) == static_cast<std::size_t>(-1) ||
        outLeft != 2)
        return KatakanaMiddleDot;
    return static_cast<char16_t>(out[0] | out[1] << 8);
}

} // namespace velmora
