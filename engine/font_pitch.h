#pragma once
// Whether a font face is proportional: the platform's text metrics decide.
#include "engine/text.h"

namespace velmora {

class FontPitch {
  public:
    virtual ~FontPitch() = default;
    virtual bool IsProportionalFont(const Text& faceName) const = 0;
};

} // namespace velmora
