// The shortcut commands against the real shell link object and the Wine
// prefix's shell folders.
#include <objidl.h>
#include <shlobj.h>
#include <windows.h>

#include <gtest/gtest.h>

#include "engine/text_win.h"
#include "engine/unique_handle_win.h"
#include "shell/executable_path.h"
#include "shell/shell_error.h"
#include "shell/shell_folders.h"
#include "shell/shortcuts.h"
#include "tests/win/shell_test_support.h"

namespace velmora {
namespace {

using testing::RunningExecutable;
using testing::ScriptedBoxes;

struct Command {
    const char* name;
    void (*run)(const ShortcutRequest&);
    const wchar_t* folder;
    const char* question;
    bool renamesFirst; // sets the title to "Velmora" before asking
};

const Command Commands[] = {
    {"desktop", CreateDesktopShortcut, L"Desktop", "デスクトップにアイコンを登録しますか？", true},
    {"start-up", CreateStartupShortcut, L"Startup", "スタートアップに登録しますか？", false},
    {"start menu", CreateStartMenuShortcut, L"Programs",
     "スタートメニューのプログラムに登録しますか？", true},
};

std::wstring LinkTarget(const std::wstring& linkPath) {
    ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(link.put()))))
        return L"(no link object)";
    auto file = link.As<IPersistFile>(IID_IPersistFile);
    if (!file || FAILED(file->Load(linkPath.c_str(), STGM_READ)))
        return L"(not loaded)";
    wchar_t target[MAX_PATH] = L"";
    link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
    return target;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class ShortcutsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        RemoveLinks();
    }
    void TearDown() override {
        RemoveLinks();
        CoUninitialize();
    }

    static std::wstring LinkIn(const wchar_t* folder) {
        return ShortcutPath(UserShellFolder(folder));
    }
    static void RemoveLinks() {
        for (const auto& command : Commands)
            DeleteFileW(LinkIn(command.folder).c_str());
    }

    ShortcutRequest Request() {
        return {nullptr, ExecutablePath(), [this] { return title; },
                [this](const Text& text) { title = text; }, boxes};
    }

    Text title = "2024/03/05 12:34 昭和基地";
    ScriptedBoxes boxes;
};

TEST_F(ShortcutsTest, YesSavesALinkToTheExecutableAndNamesIt) {
    for (const auto& command : Commands) {
        SCOPED_TRACE(command.name);
        title = "2024/03/05 12:34 昭和基地";
        boxes = {};
        boxes.answers = {IDYES};
        command.run(Request());

        const std::wstring link = LinkIn(command.folder);
        ASSERT_TRUE(Exists(link));
        EXPECT_EQ(CompareStringOrdinal(LinkTarget(link).c_str(), -1, RunningExecutable().c_str(),
                                       -1, TRUE),
                  CSTR_EQUAL)
            << FromWide(LinkTarget(link));

        const Text expectedTitle = command.renamesFirst ? "Velmora" : "2024/03/05 12:34 昭和基地";
        EXPECT_EQ(title, expectedTitle);
        ASSERT_EQ(boxes.shown.size(), 2u);
        EXPECT_EQ(boxes.shown[0].text, command.question);
        EXPECT_EQ(boxes.shown[0].caption, "確認");
        EXPECT_EQ(boxes.shown[0].flags, 36u);
        EXPECT_EQ(boxes.shown[1].text, FromWide(link) + " に登録しました。");
        EXPECT_EQ(boxes.shown[1].caption, expectedTitle);
        EXPECT_EQ(boxes.shown[1].flags, static_cast<UINT>(MB_OK));
    }
}

TEST_F(ShortcutsTest, NoSavesNothingButTheTitleMayHaveChanged) {
    for (const auto& command : Commands) {
        SCOPED_TRACE(command.name);
        title = "自由なタイトル";
        boxes = {};
        boxes.answers = {IDNO};
        command.run(Request());

        EXPECT_FALSE(Exists(LinkIn(command.folder)));
        EXPECT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(title, command.renamesFirst ? Text("Velmora") : Text("自由なタイトル"));
    }
}

TEST_F(ShortcutsTest, RunningTheStartUpCommandTwiceReplacesTheLink) {
    boxes.answers = {IDYES, IDOK, IDYES, IDOK};
    CreateStartupShortcut(Request());
    CreateStartupShortcut(Request());
    ASSERT_EQ(boxes.shown.size(), 4u);
    EXPECT_EQ(boxes.shown[1].text, boxes.shown[3].text);
    EXPECT_TRUE(Exists(LinkIn(L"Startup")));
}

TEST(ExecutablePathTest, IsTheRunningTestProgram) {
    const std::wstring path = ExecutablePath();
    EXPECT_EQ(path, RunningExecutable());
    EXPECT_EQ(path.substr(path.size() - 19), L"shell_win_tests.exe");
}

TEST(ShortcutPathTest, JoinsTheFolderAndTheProductName) {
    EXPECT_EQ(ShortcutPath(L"C:\\Users\\me\\Desktop"), L"C:\\Users\\me\\Desktop\\Velmora.Lnk");
    // A missing folder value: the root of the current drive.
    EXPECT_EQ(ShortcutPath(L""), L"\\Velmora.Lnk");
}

class ShellFolderTest : public ::testing::Test {
  protected:
    static constexpr wchar_t KeyPath[] = L"Software\\VelmoraShellFolderTest";
    void SetUp() override {
        HKEY created = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath, 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &created, nullptr),
                  ERROR_SUCCESS);
        key.reset(created);
    }
    void TearDown() override {
        key.reset();
        RegDeleteTreeW(HKEY_CURRENT_USER, KeyPath);
    }
    void Set(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
        ASSERT_EQ(RegSetValueExW(key.get(), name, 0, type, static_cast<const BYTE*>(data), bytes),
                  ERROR_SUCCESS);
    }
    void SetText(const wchar_t* name, DWORD type, const std::wstring& text) {
        Set(name, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    UniqueKey key;
};

TEST_F(ShellFolderTest, ReadsStringValuesAndGivesEmptyTextForMissingOnes) {
    SetText(L"Desktop", REG_SZ, L"C:\\Users\\時計\\Desktop");
    SetText(L"Programs", REG_EXPAND_SZ, L"%SystemRoot%\\Programs");
    // Stored without its terminator.
    Set(L"Startup", REG_SZ, L"C:\\Start", 8 * sizeof(wchar_t));

    wchar_t expanded[MAX_PATH];
    ExpandEnvironmentStringsW(L"%SystemRoot%\\Programs", expanded, MAX_PATH);

    const struct {
        const wchar_t* key;
        const wchar_t* name;
        std::wstring expected;
    } cases[] = {
        {KeyPath, L"Desktop", L"C:\\Users\\時計\\Desktop"},
        {KeyPath, L"desktop", L"C:\\Users\\時計\\Desktop"},
        {KeyPath, L"Programs", expanded},
        {KeyPath, L"Startup", L"C:\\Start"},
        {KeyPath, L"Favorites", L""},
        {L"Software\\VelmoraShellFolderTest\\Missing", L"Desktop", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadShellFolder(HKEY_CURRENT_USER, c.key, c.name), c.expected) << c.name;
}

TEST_F(ShellFolderTest, AValueThatIsNotAStringIsAnError) {
    const DWORD number = 7;
    Set(L"Desktop", REG_DWORD, &number, sizeof number);
    EXPECT_THROW(ReadShellFolder(HKEY_CURRENT_USER, KeyPath, L"Desktop"), ShellError);
}

TEST(ShellFoldersTest, ThePrefixHasTheThreeFolders) {
    for (const wchar_t* name : {L"Desktop", L"Startup", L"Programs"})
        EXPECT_FALSE(UserShellFolder(name).empty()) << FromWide(name);
}

} // namespace
} // namespace velmora
