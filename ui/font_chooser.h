#pragma once
// The platform's font dialog for the clock fonts.
#include <windows.h>

#include <commdlg.h>

#include "ui/settings_dialog.h"

namespace velmora {

// The font dialog's request: the font in `logFont`, and the colour that the
// clock label draws for `color`.
CHOOSEFONTW FontDialogRequest(HWND owner, LOGFONTW& logFont, Color color);

class Win32FontChooser final : public FontChooser {
  public:
    bool Choose(HWND owner, FontSettings& font) override;
};

} // namespace velmora
