#pragma once
// The platform's font dialog for the clock fonts.
#include "ui/settings_dialog.h"

namespace velmora {

class Win32FontChooser final : public FontChooser {
  public:
    bool Choose(HWND owner, FontSettings& font) override;
};

} // namespace velmora
