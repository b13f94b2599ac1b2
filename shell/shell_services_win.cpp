#include "shell/shell_services.h"

#include <shellapi.h>

#include "engine/text_win.h"

namespace velmora {

int Win32MessageBoxes::Show(HWND owner, const Text& text, const Text& caption, UINT flags) {
    return MessageBoxW(owner, ToWide(text).c_str(), ToWide(caption).c_str(), flags);
}

void Win32ShellOpener::Open(HWND owner, const std::wstring& target) {
    ShellExecuteW(owner, L"open", target.c_str(), nullptr, nullptr, SW_SHOW);
}

} // namespace velmora
