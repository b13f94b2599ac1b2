// Writing the settings file while the disk works against it: the old file
// stays byte for byte, nothing is left beside it, and the message names the
// file and Windows' reason.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "engine/text_win.h"
#include "fault_injection.h"
#include "settings/file_error.h"
#include "settings/settings_file.h"
#include "settings/settings_file_win.h"
#include "tests/win/test_files.h"

namespace velmora {
namespace {

using namespace testing;

const std::string OldFile = "[DATA]\r\nBoxName1=昭和基地\r\n\r\n[USER]\r\nNote=x\r\n";

// A fresh folder holding the old "Velmora.ini".
class IniFolder : public TempFolder {
  public:
    IniFolder() : TempFolder(L"velmora_faults") {
        WinSettingsFileSystem().WriteWholeFile(Ini(), OldFile);
    }
    std::wstring WideIni() const { return Path(L"Velmora.ini"); }
    Text Ini() const { return FromWide(WideIni()); }
};

Text ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const FileError& error) {
        return error.what();
    }
    return "(no error)";
}

// New files refused and the file itself held: it can be neither replaced nor
// overwritten.
Fault FreezeFolderAndLock(const TempFolder& folder) {
    const Fault frozen = FreezeFolder(folder);
    const Fault locked = LockElsewhere(folder);
    return frozen && locked ? std::make_shared<std::pair<Fault, Fault>>(frozen, locked) : nullptr;
}

TEST(SettingsFileFaults, TheOldFileStaysAndTheReasonIsShown) {
    const struct {
        const char* fault;
        std::function<Fault(const IniFolder&)> make;
        DWORD replaceError;             // replacing the file fails so
        std::optional<DWORD> readError; // the settings write's first read fails so
        bool oldFileStays;              // a folder in the way has no old file
    } cases[] = {
        {"read-only file", MakeReadOnly, ERROR_ACCESS_DENIED, std::nullopt, true},
        {"held by another process", LockElsewhere, ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION,
         true},
        {"read-only folder, file held", FreezeFolderAndLock, ERROR_SHARING_VIOLATION,
         ERROR_SHARING_VIOLATION, true},
        {"folder in its place", PutFolderInPlace, ERROR_ACCESS_DENIED, std::nullopt, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        IniFolder folder;
        WinSettingsFileSystem files;
        {
            const Fault fault = c.make(folder);
            ASSERT_TRUE(fault) << "the fault could not be made here";
            EXPECT_EQ(ErrorOf([&] { files.WriteWholeFile(folder.Ini(), "[A]\r\nB=1\r\n"); }),
                      CreateErrorText(folder.Ini(), c.replaceError));
            // As the program closes: the old file is read first, then replaced.
            const Text expected = c.readError ? OpenErrorText(folder.Ini(), *c.readError)
                                              : CreateErrorText(folder.Ini(), c.replaceError);
            EXPECT_EQ(ErrorOf([&] {
                          WriteSettingsFile(files, folder.Ini(), Settings{},
                                            {"C:\\clock\\Velmora.exe", 96});
                      }),
                      expected);
        }
        SetFileAttributesW(folder.WideIni().c_str(), FILE_ATTRIBUTE_NORMAL);
        if (c.oldFileStays) {
            EXPECT_EQ(files.ReadWholeFile(folder.Ini()), OldFile);
        }
        EXPECT_EQ(FolderNames(folder.Wide()), std::set<std::wstring>{L"Velmora.ini"});
    }
}

// Shared and managed folders may take no new files but let their files be
// overwritten: the file is written where it is, longer or shorter than it
// was, and a write that stops part way puts the old bytes back.
TEST(SettingsFileFaults, AFolderThatTakesNoNewFilesHasItsFileOverwritten) {
    IniFolder folder;
    const ReadOnlyFolder frozen(folder.Wide());
    ASSERT_TRUE(frozen.Made()) << "the fault could not be made here";
    WinSettingsFileSystem files;
    for (const std::string& bytes : {OldFile + OldFile, std::string("[A]\r\nB=1\r\n"), OldFile}) {
        files.WriteWholeFile(folder.Ini(), bytes);
        EXPECT_EQ(files.ReadWholeFile(folder.Ini()), bytes);
    }

    constexpr std::size_t Limit = 4096;
    const std::optional<LimitedWrite> write =
        WriteUnderFileSizeLimit(Limit, folder.WideIni(), 16 * Limit);
    ASSERT_TRUE(write);
    EXPECT_EQ(write->message, CreateErrorText(folder.Ini(), write->plainError));
    EXPECT_EQ(files.ReadWholeFile(folder.Ini()), OldFile);
    EXPECT_EQ(FolderNames(folder.Wide()), std::set<std::wstring>{L"Velmora.ini"});
}

// A settings file that is a symbolic link stays one: the file it leads to,
// here in another folder, is replaced, its temporary file made beside it.
TEST(SettingsFileFaults, ALinkStaysALinkAndItsTargetIsWritten) {
    IniFolder real;
    TempFolder links(L"velmora_links");
    const std::wstring link = links.Path(L"linked.ini");
    ASSERT_EQ(RunUnixShell("ln -s " + ShellQuoted(UnixPathOf(real.WideIni())) + " " +
                           ShellQuoted(UnixPathOf(links.Wide()) + "/linked.ini")),
              0u);
    WinSettingsFileSystem files;
    files.WriteWholeFile(FromWide(link), "[A]\r\nB=1\r\n");
    EXPECT_EQ(files.ReadWholeFile(real.Ini()), "[A]\r\nB=1\r\n");
    EXPECT_EQ(RunUnixShell("test -L " + ShellQuoted(UnixPathOf(links.Wide()) + "/linked.ini")), 0u);
    EXPECT_EQ(FolderNames(real.Wide()), std::set<std::wstring>{L"Velmora.ini"});
    EXPECT_EQ(FolderNames(links.Wide()), std::set<std::wstring>{L"linked.ini"});
}

// A full disk, as a limit on the size of the files the writing process may
// make: the temporary file takes what fits, then the write fails.
TEST(SettingsFileFaults, AWriteThatStopsPartWayKeepsTheOldFile) {
    IniFolder folder;
    constexpr std::size_t Limit = 4096;
    const std::optional<LimitedWrite> write =
        WriteUnderFileSizeLimit(Limit, folder.WideIni(), 16 * Limit);
    ASSERT_TRUE(write);
    EXPECT_NE(write->plainError, static_cast<DWORD>(ERROR_SUCCESS)); // the limit does stop writes
    EXPECT_EQ(write->message, CreateErrorText(folder.Ini(), write->plainError));
    EXPECT_EQ(WinSettingsFileSystem().ReadWholeFile(folder.Ini()), OldFile);
    EXPECT_EQ(FolderNames(folder.Wide()), std::set<std::wstring>{L"Velmora.ini"});
}

} // namespace
} // namespace velmora
