#pragma once
// Faults the settings file meets on a real disk, made under Wine: a file
// another process holds without sharing, a folder that refuses new entries,
// and writes that stop part way as on a full disk. The last two need the
// Unix side (folder modes, a file-size limit), which Wine lets a Windows
// program start like any other program.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "engine/text_win.h"
#include "engine/unique_handle_win.h"
#include "tests/win/test_files.h"

namespace velmora::testing {

// "ファイル "path" を作成できません。" or "... は開けません。" with Windows' own
// text for `code`, as the settings file layer reports it.
inline Text FileErrorText(const Text& path, const char* what, DWORD code) {
    wchar_t buffer[512] = {};
    std::wstring reason(buffer,
                        FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                       nullptr, code, 0, buffer, 512, nullptr));
    while (!reason.empty() && reason.back() <= L' ')
        reason.pop_back();
    return "ファイル \"" + path + "\" " + what + FromWide(reason);
}
inline Text CreateErrorText(const Text& path, DWORD code) {
    return FileErrorText(path, "を作成できません。", code);
}
inline Text OpenErrorText(const Text& path, DWORD code) {
    return FileErrorText(path, "は開けません。", code);
}

// The names in a folder, "." and ".." left out.
inline std::set<std::wstring> FolderNames(const std::wstring& folder) {
    std::set<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const UniqueFind search(FindFirstFileW((folder + L"\\*").c_str(), &found));
    if (!search)
        return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            names.insert(name);
    } while (FindNextFileW(search.get(), &found));
    return names;
}

// The Unix path Wine maps a Windows path to.
inline std::string UnixPathOf(const std::wstring& path) {
    using Convert = char*(CDECL*)(const wchar_t*);
    // Through void*: the exported function's type is not FARPROC's.
    const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!convert)
        return {};
    char* unix = convert(path.c_str());
    if (!unix)
        return {};
    std::string result = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

// A path as one word of a POSIX shell command.
inline std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// Starts /bin/sh with `command` (no double quotes in it); the Unix programs
// see Windows' PATH, so the command gets the usual one first. Wine gives no
// handle to a Unix process: only whether it started.
inline bool StartUnixShell(const std::string& command) {
    std::wstring line = L"Z:\\bin\\sh -c \"PATH=/usr/bin:/bin; " + ToWide(command) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started))
        return false;
    for (HANDLE handle : {started.hThread, started.hProcess})
        if (handle)
            CloseHandle(handle);
    return true;
}

// The exit code of the shell command; nothing when it could not be run or
// took over a minute. With no handle to wait on, the shell leaves its exit
// code in a file made whole by a rename.
inline std::optional<DWORD> RunUnixShell(const std::string& command) {
    const std::wstring done = UniqueTempPath(L"velmora_shell");
    const std::string unixDone = UnixPathOf(done);
    if (unixDone.empty() ||
        !StartUnixShell("(" + command + "); echo $? >" + ShellQuoted(unixDone + ".part") + "; mv " +
                        ShellQuoted(unixDone + ".part") + " " + ShellQuoted(unixDone)))
        return std::nullopt;
    for (int wait = 0; wait < 6000; ++wait, Sleep(10)) {
        UniqueFile file(
            CreateFileW(done.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        if (!file)
            continue;
        char text[16] = {};
        DWORD read = 0;
        ReadFile(file.get(), text, sizeof text - 1, &read, nullptr);
        file.reset(); // closed before it is deleted
        DeleteFileW(done.c_str());
        return static_cast<DWORD>(std::strtoul(text, nullptr, 10));
    }
    return std::nullopt;
}

// A shell command prefix that runs what follows with files limited to
// `bytes` bytes: writes past it fail as on a full disk. The signal the
// kernel sends for such a write is ignored, so the write returns an error.
inline std::string FileSizeLimited(std::size_t bytes) {
    return "trap '' XFSZ; exec prlimit --fsize=" + std::to_string(bytes) + " ";
}

// The Wine loader, to start a Windows program from a shell command.
inline std::string WineLoader() {
    wchar_t loader[MAX_PATH] = {};
    GetEnvironmentVariableW(L"WINELOADER", loader, MAX_PATH);
    return FromWide(loader);
}

// The path of the helper program the fault tests start as a second process.
inline std::wstring FaultHelperPath() {
    std::wstring path = L"Z:" + ToWide(VELMORA_FAULT_HELPER);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

// What a process limited to `limit` bytes per file met: the error of a plain
// write past the limit, and the settings file layer's message for writing
// `bytes` bytes to `target`.
struct LimitedWrite {
    DWORD plainError = ERROR_SUCCESS;
    Text message;
};
inline std::optional<LimitedWrite>
WriteUnderFileSizeLimit(std::size_t limit, const std::wstring& target, std::size_t bytes) {
    const std::wstring report = UniqueTempPath(L"velmora_limited");
    const std::optional<DWORD> code = RunUnixShell(
        FileSizeLimited(limit) + ShellQuoted(WineLoader()) + " " +
        ShellQuoted(FromWide(FaultHelperPath())) + " write " + ShellQuoted(FromWide(target)) + " " +
        std::to_string(bytes) + " " + ShellQuoted(FromWide(report)));
    UniqueFile file(
        CreateFileW(report.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (code != 0u || !file)
        return std::nullopt;
    char text[2048] = {};
    DWORD read = 0;
    ReadFile(file.get(), text, sizeof text - 1, &read, nullptr);
    file.reset(); // closed before it is deleted
    DeleteFileW(report.c_str());
    const std::string lines(text, read);
    const std::size_t end = lines.find('\n');
    if (end == std::string::npos)
        return std::nullopt;
    return LimitedWrite{static_cast<DWORD>(std::strtoul(lines.c_str(), nullptr, 10)),
                        lines.substr(end + 1)};
}

// The file held by another process with no sharing, until this ends.
class LockedByAnotherProcess {
  public:
    explicit LockedByAnotherProcess(const std::wstring& path) {
        const std::wstring stem = L"velmora_lock_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                                  std::to_wstring(counter_++);
        const UniqueKernelHandle ready(CreateEventW(nullptr, TRUE, FALSE, (stem + L"_r").c_str()));
        release_.reset(CreateEventW(nullptr, TRUE, FALSE, (stem + L"_x").c_str()));
        std::wstring line = L"\"" + FaultHelperPath() + L"\" hold \"" + path + L"\" " + stem +
                            L"_r " + stem + L"_x";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &started))
            return;
        CloseHandle(started.hThread);
        holder_.reset(started.hProcess);
        // Ready, or the holder gave up (the file could not be opened).
        const HANDLE waited[] = {ready.get(), holder_.get()};
        locked_ = WaitForMultipleObjects(2, waited, FALSE, 30'000) == WAIT_OBJECT_0;
    }
    ~LockedByAnotherProcess() {
        SetEvent(release_.get());
        if (holder_)
            WaitForSingleObject(holder_.get(), 30'000);
    }
    LockedByAnotherProcess(const LockedByAnotherProcess&) = delete;
    LockedByAnotherProcess& operator=(const LockedByAnotherProcess&) = delete;

    bool Locked() const { return locked_; }

  private:
    UniqueKernelHandle release_;
    UniqueKernelHandle holder_;
    bool locked_ = false;
    static inline int counter_ = 0;
};

// The folder takes no new entries until this ends: its Unix write
// permission is taken away, and, since root writes regardless, it is made
// immutable where the file system and the user's rights allow. (Wine keeps
// the read-only attribute of folders for the shell and does not enforce it,
// as Windows does not.) Made() tells whether a new file is refused now.
class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(const std::wstring& folder)
        : folder_(folder), unix_(ShellQuoted(UnixPathOf(folder))) {
        RunUnixShell("chmod a-w " + unix_ + "; chattr +i " + unix_ + " 2>/dev/null; true");
        made_ = Refused();
    }
    ~ReadOnlyFolder() { RunUnixShell("chattr -i " + unix_ + " 2>/dev/null; chmod u+w " + unix_); }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool Made() const { return made_; }

  private:
    bool Refused() const {
        const std::wstring probe = folder_ + L"\\probe.tmp";
        if (!UniqueFile(CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr)))
            return true;
        DeleteFileW(probe.c_str());
        return false;
    }

    std::wstring folder_;
    std::string unix_;
    bool made_ = false;
};

// A fault on the "Velmora.ini" of `folder`, held until the result goes; null
// when the fault cannot be made on this machine.
using Fault = std::shared_ptr<void>;

inline Fault MakeReadOnly(const TempFolder& folder) {
    SetFileAttributesW(folder.Path(L"Velmora.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    return std::make_shared<int>(0);
}

inline Fault LockElsewhere(const TempFolder& folder) {
    auto lock = std::make_shared<LockedByAnotherProcess>(folder.Path(L"Velmora.ini"));
    return lock->Locked() ? lock : nullptr;
}

inline Fault FreezeFolder(const TempFolder& folder) {
    auto frozen = std::make_shared<ReadOnlyFolder>(folder.Wide());
    return frozen->Made() ? frozen : nullptr;
}

inline Fault PutFolderInPlace(const TempFolder& folder) {
    DeleteFileW(folder.Path(L"Velmora.ini").c_str());
    CreateDirectoryW(folder.Path(L"Velmora.ini").c_str(), nullptr);
    return std::make_shared<int>(0);
}

} // namespace velmora::testing
