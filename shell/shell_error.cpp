#include "shell/shell_error.h"

#include <string>

#include "engine/text_win.h"
#include "engine/unique_handle_win.h"

namespace velmora {

ShellError ShellErrorOf(HRESULT result) {
    UniqueLocal<wchar_t> buffer;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(buffer.put()), 0,
        nullptr);
    std::wstring message(buffer ? buffer.get() : L"", length);
    // The system's texts end with a line break; the error box adds its own.
    while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n'))
        message.pop_back();
    if (message.empty()) {
        return ShellError("0x" + UpperHex(static_cast<std::uint32_t>(result), 8));
    }
    return ShellError(FromWide(message));
}

} // namespace velmora
