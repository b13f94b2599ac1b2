// Velmora.exe closing while its ".ini" cannot be written: the error box
// names the file and Windows' reason, the program still ends once the box is
// dismissed, and the old file is as it was with nothing left beside it. A
// folder that takes no new files still has the file overwritten, and a file
// that could not be read at start-up is left alone with a word to the user.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

#include "e2e_support.h"
#include "fault_injection.h"

namespace velmora {
namespace {

using namespace testing;

const std::string OldIni = "[DATA]\r\nBoxName1=old\r\n";

// Whether the process runs the executable at `path`.
bool Runs(DWORD processId, const std::wstring& path) {
    const UniqueKernelHandle process(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    wchar_t image[MAX_PATH]{};
    DWORD size = MAX_PATH;
    return process && QueryFullProcessImageNameW(process.get(), 0, image, &size) &&
           CompareStringOrdinal(image, -1, path.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// The program started with its files limited to `bytes` bytes, as on a
// nearly full disk; found by its shown main window, since suites running
// beside this one show clocks of their own.
std::unique_ptr<RunningClock> StartLimited(const ProgramFolder& folder, std::size_t bytes) {
    const std::wstring program = folder.Path(L"Velmora.exe");
    if (!StartUnixShell("cd " + ShellQuoted(UnixPathOf(folder.Wide())) + "; " +
                        FileSizeLimited(bytes) + ShellQuoted(WineLoader()) + " " +
                        ShellQuoted(FromWide(program))))
        return nullptr;
    for (int attempt = 0; attempt < 300; ++attempt, Sleep(100))
        for (HWND window = nullptr;
             (window = FindWindowExW(nullptr, window, L"TForm1", nullptr));) {
            DWORD processId = 0;
            GetWindowThreadProcessId(window, &processId);
            if (IsWindowVisible(window) && Runs(processId, program))
                return std::make_unique<RunningClock>(processId);
        }
    return nullptr;
}

// The error Windows gives for a plain write past a file-size limit.
DWORD PastLimitError(std::size_t limit) {
    ProgramFolder scratch;
    const std::optional<LimitedWrite> write =
        WriteUnderFileSizeLimit(limit, scratch.Path(L"clock.dat"), 4 * limit);
    return write ? write->plainError : ERROR_SUCCESS;
}

// The text of a message box's message.
Text BoxMessage(HWND box) {
    for (HWND label : ChildrenOfClass(box, L"Static"))
        if (const Text text = WindowText(label); !text.empty())
            return text;
    return {};
}

void Dismiss(HWND box) {
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// The box adds a full stop to a message whose last byte sorts after ".".
Text Boxed(const Text& message) {
    return message + ".";
}

TEST(VelmoraProgramFaults, ClosingReportsTheUnwritableIniAndStillEnds) {
    constexpr std::size_t LimitBytes = 512; // less than the ".ini" the program writes
    const struct {
        const char* fault;
        std::function<Fault(const ProgramFolder&)> make;
        bool limited;
        std::optional<DWORD> openError; // reading the file at start fails so
        DWORD createError;              // otherwise replacing it fails so, or it is written
        bool oldFileStays;
    } cases[] = {
        {"read-only file", MakeReadOnly, false, std::nullopt, ERROR_ACCESS_DENIED, true},
        {"held by another process", LockElsewhere, false, ERROR_SHARING_VIOLATION, 0, true},
        {"read-only folder", FreezeFolder, false, std::nullopt, ERROR_SUCCESS, false},
        {"folder in its place", PutFolderInPlace, false, std::nullopt, ERROR_ACCESS_DENIED, false},
        {"full disk", [](const ProgramFolder&) { return std::make_shared<int>(0); }, true,
         std::nullopt, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        ProgramFolder folder;
        const Text ini = FromWide(folder.Path(L"Velmora.ini"));
        WriteBytes(folder.Path(L"Velmora.ini"), OldIni);
        Fault fault = c.make(folder);
        ASSERT_TRUE(fault) << "the fault could not be made here";

        std::unique_ptr<RunningClock> clock =
            c.limited ? StartLimited(folder, LimitBytes)
                      : std::make_unique<RunningClock>(folder, L"", false);
        ASSERT_TRUE(clock);
        if (c.openError) { // the start-up read fails first; the clock goes on with defaults
            const HWND box = WaitForWindow(clock->ProcessId(), L"#32770", nullptr, 300);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(BoxMessage(box), Boxed(OpenErrorText(ini, *c.openError)));
            Dismiss(box);
        }
        ASSERT_NE(clock->WaitForMainWindow(), nullptr);

        if (c.openError) {
            // Readable again by the time the clock closes: the settings it
            // never read are kept as they are, and closing says so; "No"
            // ends the program without a save dialog.
            fault.reset();
            PostMessageW(clock->Window(), WM_CLOSE, 0, 0);
            const HWND question = WaitForWindow(clock->ProcessId(), L"#32770", nullptr, 300);
            ASSERT_NE(question, nullptr);
            EXPECT_EQ(WindowText(question), "確認");
            EXPECT_NE(BoxMessage(question).find("\"" + ini + "\" は起動時に読み込めなかった"),
                      Text::npos)
                << BoxMessage(question);
            PostMessageW(question, WM_COMMAND, IDNO, 0);
            EXPECT_TRUE(clock->Ended()) << "the program did not end";
        } else if (!c.limited && c.createError == ERROR_SUCCESS) {
            PostMessageW(clock->Window(), WM_CLOSE, 0, 0);
            EXPECT_TRUE(clock->Ended()) << "the program did not end";
            const std::string written = ReadBytes(folder.Path(L"Velmora.ini"));
            EXPECT_NE(written.find("BoxName1=old\r\n"), std::string::npos) << written;
            EXPECT_NE(written.find("[PROGRAM]\r\nName=Velmora.exe\r\n"), std::string::npos)
                << written;
        } else {
            PostMessageW(clock->Window(), WM_CLOSE, 0, 0);
            const HWND box = WaitForWindow(clock->ProcessId(), L"#32770", nullptr, 300);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(WindowText(box), "Velmora");
            const Text message = BoxMessage(box);
            if (c.limited) { // the reason is what a write past the limit gives
                EXPECT_EQ(message, Boxed(CreateErrorText(ini, PastLimitError(LimitBytes))));
            } else {
                EXPECT_EQ(message, Boxed(CreateErrorText(ini, c.createError)));
            }
            Dismiss(box);
            EXPECT_TRUE(clock->Ended()) << "the program did not end after the box";
        }

        fault.reset();
        SetFileAttributesW(folder.Path(L"Velmora.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
        if (c.oldFileStays) {
            EXPECT_EQ(ReadBytes(folder.Path(L"Velmora.ini")), OldIni);
        }
        EXPECT_EQ(FolderNames(folder.Wide()),
                  (std::set<std::wstring>{L"Velmora.exe", L"Velmora.ini"}));
    }
}

} // namespace
} // namespace velmora
