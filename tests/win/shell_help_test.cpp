// The help file's path and the shell requests of the help commands.
#include <gtest/gtest.h>

#include "shell/help_commands.h"
#include "tests/win/shell_test_support.h"

namespace velmora {
namespace {

using testing::RecordingShell;

TEST(HelpFilePathTest, ReplacesOnlyTheFileNamesExtension) {
    const struct {
        const wchar_t* executable;
        const wchar_t* help;
    } cases[] = {
        {L"C:\\clock\\Velmora.exe", L"C:\\clock\\Velmora.chm"},
        {L"C:\\clock\\Another Clock.exe", L"C:\\clock\\Another Clock.chm"},
        {L"C:\\clock\\My.Clock.exe", L"C:\\clock\\My.Clock.chm"},
        {L"C:\\v1.7\\Velmora", L"C:\\v1.7\\Velmora.chm"},
        {L"C:/tools.d/Velmora.EXE", L"C:/tools.d/Velmora.chm"},
        {L"Velmora.exe", L"Velmora.chm"},
        {L"D:Velmora.exe", L"D:Velmora.chm"},
        {L"C:\\時計\\Velmora.exe", L"C:\\時計\\Velmora.chm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HelpFilePath(c.executable), c.help) << c.executable;
}

TEST(HelpCommandsTest, AskTheShellToOpenTheHelpFileAndTheHomePage) {
    RecordingShell shell;
    const HWND owner = reinterpret_cast<HWND>(0x1234);
    OpenHelpFile(owner, L"C:\\Program Files\\Velmora\\Velmora.exe", shell);
    OpenHomePage(owner, shell);

    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[0].owner, owner);
    EXPECT_EQ(shell.calls[0].target, L"C:\\Program Files\\Velmora\\Velmora.chm");
    EXPECT_EQ(shell.calls[1].owner, owner);
    EXPECT_EQ(shell.calls[1].target, L"https://velmora.example.org/");
}

} // namespace
} // namespace velmora
