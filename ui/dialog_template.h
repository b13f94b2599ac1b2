#pragma once
// What the program's own dialogs are made of: an in-memory template without
// controls (the controls are created from layout tables in pixels, so the
// template's dialog units never count) and their fonts.
#include <windows.h>

#include <vector>

#include "engine/unique_handle_win.h"

namespace velmora {

std::vector<WORD> EmptyTemplate(DWORD style, DWORD exStyle, const wchar_t* title);
// `face` in code page 932; `height` in pixels, negative for a character height.
UniqueFont MakeFont(const char* face, int height);

} // namespace velmora
