#pragma once
// The platform services the shell commands use, behind interfaces so that
// tests answer the boxes and record the shell's requests instead.
#include <windows.h>

#include <string>

#include "engine/text.h"

namespace velmora {

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // The pressed button (IDYES, IDNO, IDOK...).
    virtual int Show(HWND owner, const Text& text, const Text& caption, UINT flags) = 0;
};

class ShellOpener {
  public:
    virtual ~ShellOpener() = default;
    // Hands a file or a web address to the shell's "open" verb; the result
    // is the shell's business.
    virtual void Open(HWND owner, const std::wstring& target) = 0;
};

class Win32MessageBoxes final : public MessageBoxes {
  public:
    int Show(HWND owner, const Text& text, const Text& caption, UINT flags) override;
};

class Win32ShellOpener final : public ShellOpener {
  public:
    void Open(HWND owner, const std::wstring& target) override;
};

} // namespace velmora
