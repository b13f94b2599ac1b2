#include "shell/shell_folders.h"

#include <vector>

#include "engine/unique_handle_win.h"
#include "shell/shell_error.h"

namespace velmora {

namespace {

std::wstring Expanded(const std::wstring& text) {
    const DWORD needed = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    if (needed == 0)
        return text;
    std::wstring result(needed, L'\0');
    ExpandEnvironmentStringsW(text.c_str(), result.data(), needed);
    result.resize(needed - 1);
    return result;
}

} // namespace

std::wstring ReadShellFolder(HKEY root, const wchar_t* keyPath, const wchar_t* name) {
    // Reading is all the lookup needs; a missing key is no reason to create one.
    UniqueKey key;
    if (RegOpenKeyExW(root, keyPath, 0, KEY_READ, key.put()) != ERROR_SUCCESS)
        return {};

    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key.get(), name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS)
        return {};
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw ShellErrorOf(HRESULT_FROM_WIN32(ERROR_INVALID_DATATYPE));
    // Room for a terminator the stored value may lack.
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &bytes) != ERROR_SUCCESS)
        return {};
    std::wstring value(buffer.data());
    return type == REG_EXPAND_SZ ? Expanded(value) : value;
}

std::wstring UserShellFolder(const wchar_t* name) {
    return ReadShellFolder(HKEY_CURRENT_USER, ShellFoldersKey, name);
}

} // namespace velmora
