#pragma once
// Pictures of windows for people to look at: a dialog with all its controls
// saved as a bitmap file.
#include <windows.h>

#include <string>

namespace velmora::testing {

// Draws `window`'s client area with its visible children into a 32-bit
// bitmap file; false when the picture or the file could not be made.
bool SaveWindowPicture(HWND window, const std::wstring& fileName);

} // namespace velmora::testing
