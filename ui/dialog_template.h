#pragma once
// What the program's own dialogs are made of: an in-memory template without
// controls (the controls are created from layout tables in pixels, so the
// template's dialog units never count) and their fonts.
#include <windows.h>

#include <vector>

#include "engine/unique_handle_win.h"

namespace velmora {

std::vector<WORD> EmptyTemplate(DWORD style, DWORD exStyle, const wchar_t* title);
// A dialog window of that template, hidden, with no controls yet; `caption`
// in code page 932. The procedure gets `parameter` at WM_INITDIALOG.
HWND CreateEmptyDialog(HWND owner, const char* caption, DWORD style, DLGPROC procedure,
                       LPARAM parameter);
// Sizes the window so that its client area is `width` by `height` pixels.
void SetClientSize(HWND dialog, int width, int height, UINT dpi);
// `face` in code page 932; `height` in pixels, negative for a character height.
UniqueFont MakeFont(const char* face, int height);

} // namespace velmora
