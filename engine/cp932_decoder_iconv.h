#pragma once
// Code page 932 through the C library's iconv, for the Linux builds of the
// engine (tests and benchmarks); Windows decodes with its own table.
#include <iconv.h>

#include "engine/wide_text.h"

namespace velmora {

class IconvCp932Decoder final : public Cp932Decoder {
  public:
    IconvCp932Decoder();
    ~IconvCp932Decoder() override;
    IconvCp932Decoder(const IconvCp932Decoder&) = delete;
    IconvCp932Decoder& operator=(const IconvCp932Decoder&) = delete;

    // A byte sequence that is no character decodes as "・", as Windows does.
    char16_t Decode(std::string_view character) const override;

  private:
    iconv_t descriptor_;
};

} // namespace velmora
