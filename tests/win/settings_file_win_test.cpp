#include "settings/settings_file_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "engine/text_win.h"
#include "settings/file_error.h"

namespace velmora {
namespace {

// A fresh folder under the temporary directory, removed with its files.
class ScratchFolder {
  public:
    ScratchFolder() {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        path_ = std::wstring(base) + L"velmora_settings_" + std::to_wstring(GetCurrentProcessId()) +
                L"_" + std::to_wstring(counter_++);
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~ScratchFolder() {
        for (const std::wstring& name : Names()) {
            const std::wstring full = path_ + L"\\" + name;
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!DeleteFileW(full.c_str()))
                RemoveDirectoryW(full.c_str());
        }
        RemoveDirectoryW(path_.c_str());
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    Text File(const std::wstring& name) const { return FromWide(path_ + L"\\" + name); }
    std::wstring WideFile(const std::wstring& name) const { return path_ + L"\\" + name; }

    std::vector<std::wstring> Names() const {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((path_ + L"\\*").c_str(), &data);
        if (find == INVALID_HANDLE_VALUE)
            return names;
        do {
            const std::wstring name = data.cFileName;
            if (name != L"." && name != L"..")
                names.push_back(name);
        } while (FindNextFileW(find, &data));
        FindClose(find);
        return names;
    }

  private:
    static inline int counter_ = 0;
    std::wstring path_;
};

void PutFile(const std::wstring& path, std::string_view bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// Windows' own text for an error, as the message box shows it.
Text WindowsText(DWORD code) {
    wchar_t buffer[512] = {};
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, buffer, 512, nullptr);
    std::wstring text(buffer, length);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    return FromWide(text);
}

Text CreateMessage(const Text& path, DWORD code) {
    return "ファイル \"" + path + "\" を作成できません。" + WindowsText(code);
}

TEST(WinSettingsFile, MissingFilesAndFoldersReadAsNothing) {
    ScratchFolder folder;
    WinSettingsFileSystem files;
    EXPECT_FALSE(files.ReadWholeFile(folder.File(L"none.ini")));
    EXPECT_FALSE(files.ReadWholeFile(folder.File(L"no folder\\none.ini")));
    CreateDirectoryW(folder.WideFile(L"dir.ini").c_str(), nullptr);
    EXPECT_FALSE(files.ReadWholeFile(folder.File(L"dir.ini")));
}

TEST(WinSettingsFile, WrittenBytesReadBackAndNoTemporaryStays) {
    ScratchFolder folder;
    WinSettingsFileSystem files;
    std::string bytes = "[DATA]\r\nBoxName1=昭和基地\r\n\r\n";
    bytes.push_back('\0');
    bytes += "\x81\xFF";
    for (const std::wstring name : {L"Velmora.ini", L"時計表.dat"}) {
        const Text path = folder.File(name);
        files.WriteWholeFile(path, "old");
        files.WriteWholeFile(path, bytes); // over an existing file
        EXPECT_EQ(files.ReadWholeFile(path), bytes);
    }
    files.WriteWholeFile(folder.File(L"empty.ini"), "");
    EXPECT_EQ(files.ReadWholeFile(folder.File(L"empty.ini")), "");

    const std::wstring hidden = folder.WideFile(L"hidden.ini");
    PutFile(hidden, "old");
    SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    files.WriteWholeFile(folder.File(L"hidden.ini"), bytes);
    EXPECT_EQ(files.ReadWholeFile(folder.File(L"hidden.ini")), bytes);
    EXPECT_TRUE(GetFileAttributesW(hidden.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(folder.Names().size(), 4u);
}

TEST(WinSettingsFile, AnUnwritableTargetKeepsTheOldFile) {
    ScratchFolder folder;
    WinSettingsFileSystem files;
    const std::string old = "[MODE]\r\nTitleMode=3\r\n";

    const std::wstring readOnly = folder.WideFile(L"ro.ini");
    PutFile(readOnly, old);
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    CreateDirectoryW(folder.WideFile(L"dir.ini").c_str(), nullptr);

    struct Case {
        Text path;
        DWORD code;
    };
    const Case cases[] = {
        {folder.File(L"ro.ini"), ERROR_ACCESS_DENIED},
        {folder.File(L"no folder\\a.ini"), ERROR_PATH_NOT_FOUND},
        {folder.File(L"dir.ini"), ERROR_ACCESS_DENIED},
    };
    for (const Case& c : cases) {
        try {
            files.WriteWholeFile(c.path, "new");
            ADD_FAILURE() << c.path;
        } catch (const FileError& e) {
            EXPECT_EQ(Text(e.what()), CreateMessage(c.path, c.code));
        }
    }
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(files.ReadWholeFile(folder.File(L"ro.ini")), old);
    EXPECT_EQ(folder.Names().size(), 2u); // no temporary beside them
}

TEST(WinSettingsFile, AFileHeldOpenByAnotherCannotBeReadOrReplaced) {
    ScratchFolder folder;
    WinSettingsFileSystem files;
    const std::wstring wide = folder.WideFile(L"held.ini");
    PutFile(wide, "[A]\r\n");
    HANDLE held = CreateFileW(wide.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const Text path = folder.File(L"held.ini");
    try {
        files.ReadWholeFile(path);
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_EQ(Text(e.what()), "ファイル \"" + path + "\" は開けません。" +
                                      WindowsText(ERROR_SHARING_VIOLATION));
    }
    EXPECT_THROW(files.WriteWholeFile(path, "new"), FileError);
    CloseHandle(held);
    EXPECT_EQ(files.ReadWholeFile(path), "[A]\r\n");
    EXPECT_EQ(folder.Names().size(), 1u);
}

TEST(WinSettingsFile, MessagesNameTheFullPath) {
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    ScratchFolder folder;
    SetCurrentDirectoryW(folder.WideFile(L"").c_str());
    WinSettingsFileSystem files;
    try {
        files.WriteWholeFile("missing\\a.dat", "x");
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_EQ(Text(e.what()),
                  CreateMessage(folder.File(L"missing\\a.dat"), ERROR_PATH_NOT_FOUND));
    }
    SetCurrentDirectoryW(current);
}

} // namespace
} // namespace velmora
