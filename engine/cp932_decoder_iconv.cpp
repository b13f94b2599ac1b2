#include "engine/cp932_decoder_iconv.h"

#include <iconv.h>

#include <stdexcept>

namespace velmora {

namespace {

constexpr char16_t KatakanaMiddleDot = u'\u30FB';

std::size_t IndexOf(std::string_view character) {
    const auto first = static_cast<unsigned char>(character[0]);
    if (character.size() < 2)
        return first;
    return first * 256u + static_cast<unsigned char>(character[1]);
}

class Iconv {
  public:
    Iconv() : descriptor_(iconv_open("UTF-16LE", "CP932")) {
        if (descriptor_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv has no CP932");
    }
    ~Iconv() { iconv_close(descriptor_); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    char16_t Decode(std::string_view character) {
        char in[2]{};
        character.copy(in, sizeof in);
        unsigned char out[4]{};
        char* inPointer = in;
        auto* outPointer = reinterpret_cast<char*>(out);
        std::size_t inLeft = character.size();
        std::size_t outLeft = sizeof out;
        iconv(descriptor_, nullptr, nullptr, nullptr, nullptr); // a fresh state for each
        if (iconv(descriptor_, &inPointer, &inLeft, &outPointer, &outLeft) ==
                static_cast<std::size_t>(-1) ||
            outLeft != 2)
            return KatakanaMiddleDot;
        return static_cast<char16_t>(out[0] | out[1] << 8);
    }

  private:
    iconv_t descriptor_;
};

} // namespace

IconvCp932Decoder::IconvCp932Decoder() : table_(65536, KatakanaMiddleDot) {
    Iconv iconv;
    for (unsigned first = 0; first < 256; ++first) {
        const char lead = static_cast<char>(first);
        table_[first] = iconv.Decode(std::string_view(&lead, 1));
        if (!IsLeadByte(static_cast<unsigned char>(first)))
            continue;
        for (unsigned second = 0; second < 256; ++second) {
            const char pair[2] = {lead, static_cast<char>(second)};
            table_[IndexOf(std::string_view(pair, 2))] = iconv.Decode(std::string_view(pair, 2));
        }
    }
}

char16_t IconvCp932Decoder::Decode(std::string_view character) const {
    if (character.empty() || character.size() > 2)
        return KatakanaMiddleDot;
    return table_[IndexOf(character)];
}

} // namespace velmora
