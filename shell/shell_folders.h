#pragma once
// The user's shell folders as the "Shell Folders" registry key names them.
#include <windows.h>

#include <string>

namespace velmora {

inline constexpr wchar_t ShellFoldersKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The string value `name` of `root`\`keyPath`; empty when the key or the
// value is missing. Throws ShellError when the value is not a string.
std::wstring ReadShellFolder(HKEY root, const wchar_t* keyPath, const wchar_t* name);

// The current user's folder `name` ("Desktop", "Startup", "Programs").
std::wstring UserShellFolder(const wchar_t* name);

} // namespace velmora
