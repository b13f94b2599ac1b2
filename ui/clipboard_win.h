#pragma once
// The clipboard, for text the user copies.
#include <windows.h>

#include <string_view>

namespace velmora {

// Replaces the clipboard's contents with `text` as Unicode text; false when
// the clipboard could not be opened or written (another program holds it).
bool PutClipboardText(HWND owner, std::wstring_view text);

} // namespace velmora
