#pragma once
// Code page 932 through the C library's iconv, for the Linux builds of the
// engine (tests and benchmarks); Windows decodes with its own table.
#include <vector>

#include "engine/wide_text.h"

namespace velmora {

class IconvCp932Decoder final : public Cp932Decoder {
  public:
    // Decodes every character once, so that decoding costs a look-up as it
    // does on Windows.
    IconvCp932Decoder();

    // A byte sequence that is no character decodes as "・", as Windows does.
    char16_t Decode(std::string_view character) const override;

  private:
    // Index: a single byte, or lead byte * 256 + second byte.
    std::vector<char16_t> table_;
};

} // namespace velmora
