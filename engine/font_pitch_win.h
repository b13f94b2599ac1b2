#pragma once
#include "engine/font_pitch.h"

namespace velmora {

// Reads the text metrics of the face on a memory DC compatible with the screen.
class Win32FontPitch final : public FontPitch {
  public:
    bool IsProportionalFont(const Text& faceName) const override;
};

} // namespace velmora
