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

const struct Command {
    const char* name;
    void (*run)(const ShortcutRequest&);
    const wchar_t* folder;
    const char* question;
    bool renamesFirst; // sets the title to "Velmora" before asking
} Commands[] = {
    {"desktop", CreateDesktopShortcut, L"Desktop", "デスクトップにアイコンを登録しますか？", true},
    {"start-up", CreateStartupShortcut, L"Startup", "スタートアップに登録しますか？", false},
    {"start menu", CreateStartMenuShortcut, L"Programs",
     "スタートメニューのプログラムに登録しますか？", true},
};

std::wstring LinkTarget(const std::wstring& linkPath) {
    ComPtr<IShellLinkW> link;
    wchar_t target[MAX_PATH] = L"(not loaded)";
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(link.put()))))
        return target;
    auto file = link.As<IPersistFile>(IID_IPersistFile);
    if (!file || FAILED(file->Load(linkPath.c_str(), STGM_READ)))
        return target;
    link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
    return target;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
std::wstring LinkIn(const wchar_t* folder) {
    return ShortcutPath(UserShellFolder(folder));
}
void RemoveLinks() {
    for (const auto& command : Commands)
        DeleteFileW(LinkIn(command.folder).c_str());
}

class ShortcutsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(com);
        RemoveLinks();
    }
    void TearDown() override { RemoveLinks(); }
    ShortcutRequest Request() {
        return {nullptr, ExecutablePath(), [this] { return title; },
                [this](const Text& text) { title = text; }, boxes};
    }
    ComApartment com;
    Text title;
    ScriptedBoxes boxes;
};

TEST_F(ShortcutsTest, YesSavesALinkToTheExecutableNoSavesNothing) {
    for (const auto& command : Commands)
        for (const int answer : {IDYES, IDNO}) {
            SCOPED_TRACE(std::string(command.name) + (answer == IDYES ? " yes" : " no"));
            title = "2024/03/05 12:34 昭和基地";
            boxes = {};
            boxes.answers = {answer, answer == IDYES ? IDOK : IDNO, answer};
            command.run(Request());
            command.run(Request()); // a second Yes replaces the link

            const Text expectedTitle =
                command.renamesFirst ? "Velmora" : "2024/03/05 12:34 昭和基地";
            EXPECT_EQ(title, expectedTitle);
            ASSERT_EQ(boxes.shown.size(), answer == IDYES ? 4u : 2u);
            EXPECT_EQ(boxes.shown[0].text, command.question);
            EXPECT_EQ(boxes.shown[0].caption, "確認");
            EXPECT_EQ(boxes.shown[0].flags, 36u);
            const std::wstring link = LinkIn(command.folder);
            if (answer == IDNO) {
                EXPECT_FALSE(Exists(link));
                continue;
            }
            ASSERT_TRUE(Exists(link));
            EXPECT_EQ(CompareStringOrdinal(LinkTarget(link).c_str(), -1,
                                           RunningExecutable().c_str(), -1, TRUE),
                      CSTR_EQUAL)
                << FromWide(LinkTarget(link));
            EXPECT_EQ(boxes.shown[1].text, FromWide(link) + " に登録しました。");
            EXPECT_EQ(boxes.shown[3].text, boxes.shown[1].text);
            EXPECT_EQ(boxes.shown[1].caption, expectedTitle);
            EXPECT_EQ(boxes.shown[1].flags, static_cast<UINT>(MB_OK));
            RemoveLinks();
        }
}

TEST(ShortcutPathTest, TheRunningProgramAndTheLinkBesideTheFolder) {
    const std::wstring path = ExecutablePath();
    EXPECT_EQ(path, RunningExecutable());
    EXPECT_TRUE(path.ends_with(L"\\shell_win_tests.exe")) << FromWide(path);
    EXPECT_EQ(ShortcutPath(L"C:\\Users\\me\\Desktop"), L"C:\\Users\\me\\Desktop\\Velmora.Lnk");
    EXPECT_EQ(ShortcutPath(L""), L"\\Velmora.Lnk"); // no folder value: the drive's root
    for (const wchar_t* name : {L"Desktop", L"Startup", L"Programs"})
        EXPECT_FALSE(UserShellFolder(name).empty()) << FromWide(name);
}

TEST(ShellFolderTest, ReadsStringValuesEmptyForMissingOnesAndRejectsOthers) {
    const wchar_t* const path = L"Software\\VelmoraShellFolderTest";
    const auto set = [&](const wchar_t* name, DWORD type, const void* data, std::size_t bytes) {
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, path, name, type, data, DWORD(bytes)),
                  ERROR_SUCCESS);
    };
    const std::wstring desktop = L"C:\\Users\\時計\\Desktop", programs = L"%SystemRoot%\\Programs";
    set(L"Desktop", REG_SZ, desktop.c_str(), (desktop.size() + 1) * 2);
    set(L"Programs", REG_EXPAND_SZ, programs.c_str(), (programs.size() + 1) * 2);
    set(L"Startup", REG_SZ, L"C:\\Start", 8 * sizeof(wchar_t)); // without its terminator
    const DWORD number = 7;
    set(L"Number", REG_DWORD, &number, sizeof number);
    wchar_t expanded[MAX_PATH];
    ExpandEnvironmentStringsW(programs.c_str(), expanded, MAX_PATH);

    const std::pair<const wchar_t*, std::wstring> cases[] = {
        {L"Desktop", desktop},      {L"desktop", desktop}, {L"Programs", expanded},
        {L"Startup", L"C:\\Start"}, {L"Favorites", L""},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(ReadShellFolder(HKEY_CURRENT_USER, path, name), expected) << FromWide(name);
    EXPECT_EQ(ReadShellFolder(HKEY_CURRENT_USER, L"Software\\VelmoraShellFolderTest\\Missing",
                              L"Desktop"),
              L"");
    EXPECT_THROW(ReadShellFolder(HKEY_CURRENT_USER, path, L"Number"), ShellError);
    RegDeleteTreeW(HKEY_CURRENT_USER, path);
}

} // namespace
} // namespace velmora
