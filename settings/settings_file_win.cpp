#include "settings/settings_file_win.h"

#include <windows.h>

#include <algorithm>
#include <optional>

#include "engine/text_win.h"
#include "engine/unique_handle_win.h"
#include "settings/file_error.h"

namespace velmora {
namespace {

// Far beyond any settings file; keeps a stray huge file from exhausting memory.
constexpr LONGLONG MaxFileBytes = 256LL * 1024 * 1024;

std::wstring FullPath(const std::wstring& path) {
    const DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (length == 0)
        return path;
    std::wstring full(length, L'\0');
    const DWORD written = GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
    if (written == 0 || written >= length)
        return path;
    full.resize(written);
    return full;
}

FileError OpenError(const std::wstring& path, DWORD code) {
    return CannotOpenError(FromWide(FullPath(path)), SystemErrorText(code));
}

FileError CreateError(const std::wstring& path, DWORD code) {
    return CannotCreateError(FromWide(FullPath(path)), SystemErrorText(code));
}

// The file an existing path finally names, links followed, so that a link
// to a settings file stays a link and the file it leads to is replaced; the
// path as given when nothing is there to follow.
std::wstring FinalPath(const std::wstring& path) {
    const UniqueFile file(CreateFileW(path.c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file)
        return path;
    const DWORD length = GetFinalPathNameByHandleW(file.get(), nullptr, 0, FILE_NAME_NORMALIZED);
    if (length == 0)
        return path;
    std::wstring final(length, L'\0');
    const DWORD written =
        GetFinalPathNameByHandleW(file.get(), final.data(), length, FILE_NAME_NORMALIZED);
    if (written == 0 || written >= length)
        return path;
    final.resize(written);
    return final;
}

// A temporary file beside the target, so that the final rename stays on one volume.
UniqueFile CreateTemporaryBeside(const std::wstring& target, std::wstring& name, DWORD& error) {
    const DWORD stamp = GetCurrentProcessId() ^ GetTickCount();
    for (DWORD attempt = 0; attempt < 100; ++attempt) {
        name = target + L"." + ToWide(UpperHex(stamp + attempt, 8)) + L".tmp";
        UniqueFile file(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file)
            return file;
        error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            break;
    }
    name.clear();
    return {};
}

// The whole of an open file; nothing, with the reason in `error`, when it
// cannot be read.
std::optional<std::string> ReadAll(HANDLE file, DWORD& error) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size)) {
        error = GetLastError();
        return std::nullopt;
    }
    if (size.QuadPart > MaxFileBytes) {
        error = ERROR_FILE_TOO_LARGE;
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &read,
                      nullptr)) {
            error = GetLastError();
            return std::nullopt;
        }
        if (read == 0)
            break; // the file shrank meanwhile
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// The file's whole content from its start, flushed to the disk.
bool WriteFromStart(HANDLE file, std::string_view bytes) {
    return SetFilePointerEx(file, LARGE_INTEGER{}, nullptr, FILE_BEGIN) && WriteAll(file, bytes) &&
           SetEndOfFile(file) && FlushFileBuffers(file);
}

// Puts the temporary in the target's place in one step. A rename rather
// than ReplaceFile, which under Wine leaves a backup file behind when the
// target is held open. The target's hidden and system marks are kept.
bool ReplaceTarget(const std::wstring& target, const std::wstring& temporary, DWORD attributes) {
    const DWORD kept = attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    if (attributes != INVALID_FILE_ATTRIBUTES && kept != 0)
        SetFileAttributesW(temporary.c_str(), kept);
    return MoveFileExW(temporary.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

// Writes a temporary file beside the target and renames it over the target,
// so that the target is the old file or the new one whatever happens.
// ERROR_SUCCESS, or why it failed; `created` tells whether the temporary
// file could be made at all.
DWORD ReplaceByRename(const std::wstring& target, std::string_view bytes, DWORD attributes,
                      bool& created) {
    std::wstring temporary;
    DWORD error = ERROR_SUCCESS;
    UniqueFile file = CreateTemporaryBeside(target, temporary, error);
    created = static_cast<bool>(file);
    if (!created)
        return error;

    bool written = WriteAll(file.get(), bytes) && FlushFileBuffers(file.get());
    if (!written)
        error = GetLastError();
    file.reset(); // closed before the rename
    if (written && !ReplaceTarget(target, temporary, attributes)) {
        written = false;
        error = GetLastError();
    }
    if (!written)
        DeleteFileW(temporary.c_str());
    return error;
}

// For a folder that takes no new files but lets its files be overwritten:
// the file is written where it is, held unshared meanwhile, and its old bytes
// go back when the new ones cannot all be written, so it is never left cut
// short. ERROR_SUCCESS, or why it failed.
DWORD OverwriteInPlace(const std::wstring& target, std::string_view bytes) {
    const UniqueFile file(CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return GetLastError();
    DWORD error = ERROR_SUCCESS;
    const std::optional<std::string> old = ReadAll(file.get(), error);
    if (!old)
        return error;
    if (WriteFromStart(file.get(), bytes))
        return ERROR_SUCCESS;
    error = GetLastError();
    WriteFromStart(file.get(), *old);
    return error;
}

} // namespace

Text SystemErrorText(unsigned long code) {
    UniqueLocal<wchar_t> buffer;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(buffer.put()), 0, nullptr);
    std::wstring text(buffer ? buffer.get() : L"", length);
    while (!text.empty() && text.back() <= L' ')
        text.pop_back();
    return FromWide(text);
}

std::optional<std::string> WinSettingsFileSystem::ReadWholeFile(std::string_view path) {
    const std::wstring wide = ToWide(path);
    // As "file exists": a missing file, a missing directory or a directory of
    // that name all read as an empty file.
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
            error == ERROR_INVALID_NAME || error == ERROR_BAD_NETPATH)
            return std::nullopt;
        throw OpenError(wide, error);
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return std::nullopt;

    const UniqueFile file(CreateFileW(wide.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw OpenError(wide, GetLastError());
    DWORD error = ERROR_SUCCESS;
    std::optional<std::string> bytes = ReadAll(file.get(), error);
    if (!bytes)
        throw OpenError(wide, error);
    return bytes;
}

void WinSettingsFileSystem::WriteWholeFile(std::string_view path, std::string_view bytes) {
    const std::wstring given = ToWide(path);
    // A rename would replace a read-only file, which creating the file would
    // not; a directory in the way cannot be created over either.
    const DWORD attributes = GetFileAttributesW(given.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
        throw CreateError(given, ERROR_ACCESS_DENIED);

    const std::wstring target = FinalPath(given);
    bool created = false;
    DWORD error = ReplaceByRename(target, bytes, attributes, created);
    // Shared and managed folders may refuse new files yet let a file that is
    // there be overwritten.
    if (!created && attributes != INVALID_FILE_ATTRIBUTES)
        error = OverwriteInPlace(target, bytes);
    if (error != ERROR_SUCCESS)
        throw CreateError(given, error);
}

bool WinSettingsFileSystem::RenameFile(std::string_view from, std::string_view to) {
    return MoveFileExW(ToWide(from).c_str(), ToWide(to).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

} // namespace velmora
