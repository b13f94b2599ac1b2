// A second process for the fault tests, for what one process cannot do to
// itself:
//   fault_helper hold PATH READY RELEASE
//     opens PATH with no sharing, signals the named event READY and keeps the
//     file until the named event RELEASE is signalled (two minutes at most);
//   fault_helper write PATH BYTES RESULT
//     run under a file-size limit: writes BYTES bytes to a scratch file beside
//     RESULT to learn the error a write past the limit gives, then BYTES bytes
//     through the settings file layer to PATH, and puts the scratch write's
//     error code and the layer's message on two lines of RESULT.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "engine/text_win.h"
#include "engine/unique_handle_win.h"
#include "settings/file_error.h"
#include "settings/settings_file_win.h"

namespace {

using velmora::UniqueFile;
using velmora::UniqueKernelHandle;

int Hold(const wchar_t* path, const wchar_t* ready, const wchar_t* release) {
    const UniqueFile file(
        CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return 1;
    const UniqueKernelHandle readyEvent(OpenEventW(EVENT_MODIFY_STATE, FALSE, ready));
    const UniqueKernelHandle releaseEvent(OpenEventW(SYNCHRONIZE, FALSE, release));
    if (!readyEvent || !releaseEvent)
        return 1;
    SetEvent(readyEvent.get());
    return WaitForSingleObject(releaseEvent.get(), 120'000) == WAIT_OBJECT_0 ? 0 : 1;
}

// The error code of a plain write of `bytes` bytes to a new file.
DWORD PlainWriteError(const std::wstring& path, const std::string& bytes) {
    UniqueFile file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    if (!file)
        return GetLastError();
    DWORD error = ERROR_SUCCESS;
    std::string_view rest = bytes;
    while (!rest.empty() && error == ERROR_SUCCESS) {
        DWORD written = 0;
        if (!WriteFile(file.get(), rest.data(), static_cast<DWORD>(rest.size()), &written,
                       nullptr) ||
            written == 0)
            error = GetLastError();
        rest.remove_prefix(written);
    }
    file.reset(); // closed before it is deleted
    DeleteFileW(path.c_str());
    return error;
}

int WritePastLimit(const wchar_t* path, const wchar_t* size, const wchar_t* result) {
    const std::string bytes(static_cast<std::size_t>(_wtoi(size)), 'x');
    const DWORD plainError = PlainWriteError(std::wstring(result) + L".scratch", bytes);
    velmora::Text message;
    try {
        velmora::WinSettingsFileSystem().WriteWholeFile(velmora::FromWide(path), bytes);
    } catch (const velmora::FileError& error) {
        message = error.what();
    }
    const std::string report = std::to_string(plainError) + "\n" + message;
    const UniqueFile out(CreateFileW(result, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    if (!out)
        return 1;
    DWORD written = 0;
    WriteFile(out.get(), report.data(), static_cast<DWORD>(report.size()), &written, nullptr);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"hold" && argc == 5)
        return Hold(argv[2], argv[3], argv[4]);
    if (mode == L"write" && argc == 5)
        return WritePastLimit(argv[2], argv[3], argv[4]);
    return 2;
}
