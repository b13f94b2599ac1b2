#include "shell/help_commands.h"

#include "engine/text_win.h"
#include "shell/product_info.h"

namespace velmora {

std::wstring HelpFilePath(const std::wstring& executablePath) {
    // Only a dot inside the file name starts its extension, not one in a folder name.
    const std::size_t nameStart = executablePath.find_last_of(L"\\/:");
    const std::size_t dot = executablePath.rfind(L'.');
    const bool hasExtension =
        dot != std::wstring::npos && (nameStart == std::wstring::npos || dot > nameStart);
    return executablePath.substr(0, hasExtension ? dot : executablePath.size()) + L".chm";
}

void OpenHelpFile(HWND owner, const std::wstring& executablePath, ShellOpener& shell) {
    shell.Open(owner, HelpFilePath(executablePath));
}

void OpenHomePage(HWND owner, ShellOpener& shell) {
    shell.Open(owner, ToWide(HomePageAddress));
}

} // namespace velmora
