#pragma once
// The three "ショートカット作成" commands: a shell link to the running
// executable on the desktop, in the start-up folder or in the start menu.
#include <windows.h>

#include <functional>
#include <string>

#include "engine/text.h"
#include "shell/shell_services.h"

namespace velmora {

struct ShortcutRequest {
    HWND owner;
    std::wstring executablePath; // as GetModuleFileNameW gives it
    std::function<Text()> applicationTitle;
    std::function<void(const Text&)> setApplicationTitle;
    MessageBoxes& boxes;
};

// Each asks first and reports the link's path afterwards. They throw
// ShellError when the link object cannot be made; nothing is saved then.
void CreateDesktopShortcut(const ShortcutRequest& request);
void CreateStartupShortcut(const ShortcutRequest& request);
void CreateStartMenuShortcut(const ShortcutRequest& request);

// `folder` + "\Velmora.Lnk".
std::wstring ShortcutPath(const std::wstring& folder);

} // namespace velmora
