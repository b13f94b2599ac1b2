#include "settings/settings_file_win.h"

#include <windows.h>

#include <filesystem>
#include <functional>

#include <gtest/gtest.h>

#include "engine/text_win.h"
#include "engine/unique_handle_win.h"
#include "settings/file_error.h"

namespace velmora {
namespace {

// A fresh folder under the temporary directory, removed with its files.
class ScratchFolder {
  public:
    ScratchFolder() { std::filesystem::create_directory(path_); }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    Text File(const std::wstring& name) const { return FromWide(Wide(name)); }
    std::wstring Wide(const std::wstring& name) const { return path_.wstring() + L"\\" + name; }
    std::size_t Count() const {
        return std::distance(std::filesystem::directory_iterator(path_), {});
    }

  private:
    static inline int counter_ = 0;
    std::filesystem::path path_ = std::filesystem::temp_directory_path() /
                                  ("velmora_settings_" + std::to_string(GetCurrentProcessId()) +
                                   "_" + std::to_string(counter_++));
};

// The message for `code` with Windows' own text, as the message box shows it.
Text Message(const Text& path, const char* what, DWORD code) {
    wchar_t buffer[512] = {};
    std::wstring text(buffer,
                      FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                     nullptr, code, 0, buffer, 512, nullptr));
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    return "ファイル \"" + path + "\" " + what + FromWide(text);
}

void ExpectError(const std::function<void()>& action, const Text& message) {
    try {
        action();
        ADD_FAILURE() << message;
    } catch (const FileError& e) {
        EXPECT_EQ(Text(e.what()), message);
    }
}

// Both failure answers of the system's functions are no handle to the
// owners: they test false and close nothing (closing sets the last error).
// A handle taken through put() frees the one held, and a move empties the
// source.
TEST(UniqueFile, NullAndInvalidAreEmptyAndAReplacedHandleIsClosed) {
    for (const HANDLE empty : {HANDLE{}, INVALID_HANDLE_VALUE}) {
        SetLastError(ERROR_SUCCESS);
        {
            const UniqueFile file(empty);
            const UniqueKernelHandle kernel(empty);
            EXPECT_FALSE(file) << empty;
            EXPECT_FALSE(kernel) << empty;
        }
        EXPECT_EQ(GetLastError(), DWORD{ERROR_SUCCESS}) << empty;
    }
    EXPECT_EQ(UniqueFile().get(), INVALID_HANDLE_VALUE);
    EXPECT_EQ(UniqueKernelHandle().get(), nullptr);

    const auto isOpen = [](HANDLE handle) {
        DWORD flags = 0;
        return GetHandleInformation(handle, &flags) != 0;
    };
    const HANDLE first = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const HANDLE second = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const HANDLE third = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    UniqueFile file(first);
    const UniqueFile moved = std::move(file);
    EXPECT_FALSE(file);
    EXPECT_EQ(moved.get(), first);
    *file.put() = second;
    *file.put() = third;
    EXPECT_TRUE(isOpen(first));
    EXPECT_FALSE(isOpen(second));
    EXPECT_TRUE(isOpen(third));
}

TEST(WinSettingsFile, MissingFilesReadAsNothingAndWrittenBytesReadBack) {
    ScratchFolder folder;
    WinSettingsFileSystem files;
    CreateDirectoryW(folder.Wide(L"dir.ini").c_str(), nullptr);
    for (const wchar_t* missing : {L"none.ini", L"no folder\\none.ini", L"dir.ini"})
        EXPECT_FALSE(files.ReadWholeFile(folder.File(missing)));

    std::string bytes = "[DATA]\r\nBoxName1=昭和基地\r\n\r\n";
    bytes += std::string(1, '\0') + "\x81\xFF";
    files.WriteWholeFile(folder.File(L"hidden.ini"), "old");
    SetFileAttributesW(folder.Wide(L"hidden.ini").c_str(), FILE_ATTRIBUTE_HIDDEN);
    for (const wchar_t* name : {L"Velmora.ini", L"時計表.dat", L"hidden.ini"}) {
        files.WriteWholeFile(folder.File(name), "old");
        files.WriteWholeFile(folder.File(name), bytes); // over an existing file
        EXPECT_EQ(files.ReadWholeFile(folder.File(name)), bytes);
    }
    files.WriteWholeFile(folder.File(L"empty.ini"), "");
    EXPECT_EQ(files.ReadWholeFile(folder.File(L"empty.ini")), "");
    EXPECT_TRUE(GetFileAttributesW(folder.Wide(L"hidden.ini").c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(folder.Count(), 5u); // the four files and the folder, no temporary
}

TEST(WinSettingsFile, AnUnwritableTargetKeepsTheOldFile) {
    ScratchFolder folder;
    WinSettingsFileSystem files;
    const std::string old = "[MODE]\r\nTitleMode=3\r\n";
    files.WriteWholeFile(folder.File(L"ro.ini"), old);
    SetFileAttributesW(folder.Wide(L"ro.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    CreateDirectoryW(folder.Wide(L"dir.ini").c_str(), nullptr);
    const std::pair<Text, DWORD> cases[] = {
        {folder.File(L"ro.ini"), ERROR_ACCESS_DENIED},
        {folder.File(L"no folder\\a.ini"), ERROR_PATH_NOT_FOUND},
        {folder.File(L"dir.ini"), ERROR_ACCESS_DENIED},
    };
    for (const auto& [path, code] : cases)
        ExpectError([&] { files.WriteWholeFile(path, "new"); },
                    Message(path, "を作成できません。", code));
    SetFileAttributesW(folder.Wide(L"ro.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(files.ReadWholeFile(folder.File(L"ro.ini")), old);
    EXPECT_EQ(folder.Count(), 2u); // no temporary beside them

    // A relative path is named in full.
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    SetCurrentDirectoryW(folder.Wide(L"").c_str());
    ExpectError(
        [&] { files.WriteWholeFile("missing\\a.dat", "x"); },
        Message(folder.File(L"missing\\a.dat"), "を作成できません。", ERROR_PATH_NOT_FOUND));
    SetCurrentDirectoryW(current);
}

TEST(WinSettingsFile, AFileHeldOpenByAnotherCannotBeReadOrReplaced) {
    ScratchFolder folder;
    WinSettingsFileSystem files;
    const Text path = folder.File(L"held.ini");
    files.WriteWholeFile(path, "[A]\r\n");
    UniqueFile held(CreateFileW(folder.Wide(L"held.ini").c_str(), GENERIC_READ, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    ExpectError([&] { files.ReadWholeFile(path); },
                Message(path, "は開けません。", ERROR_SHARING_VIOLATION));
    EXPECT_THROW(files.WriteWholeFile(path, "new"), FileError);
    held.reset();
    EXPECT_EQ(files.ReadWholeFile(path), "[A]\r\n");
    EXPECT_EQ(folder.Count(), 1u);
}

} // namespace
} // namespace velmora
