#pragma once
// The help file and the home page, handed to the shell.
#include <windows.h>

#include <string>

#include "shell/shell_services.h"

namespace velmora {

// The executable's path with the extension of its file name replaced by
// ".chm" (added when the name has none).
std::wstring HelpFilePath(const std::wstring& executablePath);

void OpenHelpFile(HWND owner, const std::wstring& executablePath, ShellOpener& shell);
void OpenHomePage(HWND owner, ShellOpener& shell);

} // namespace velmora
