// Velmora.exe end to end: started in a folder of its own with and without a
// settings file, found by its window class, read through WM_GETTEXT, closed
// with WM_CLOSE, and its ".ini" compared with the expected text. (The
// window's picture is taken in process by the UI tests: Wine does not copy
// another process's windows from the screen.)
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "engine/date_time.h"
#include "engine/format_pattern.h"
#include "engine/locale_settings.h"
#include "engine/locale_source_win.h"
#include "engine/text_win.h"
#include "ui/resource.h"
#include "ui/settings_dialog_layout.h"

namespace velmora {
namespace {

// Build paths are Unix paths; Wine sees the root as drive Z:.
std::wstring WinePath(const std::string& unixPath) {
    std::wstring path = L"Z:" + ToWide(unixPath);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

std::string ReadBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    std::string bytes(file == INVALID_HANDLE_VALUE ? 0 : GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    return bytes.substr(0, read);
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string Golden(const char* name) {
    return ReadBytes(WinePath(std::string(VELMORA_TEST_DATA_DIR) + "/golden/" + name));
}

Text WindowText(HWND window) {
    wchar_t buffer[512]{};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer), SMTO_BLOCK, 5000,
                        &length);
    return FromWide(buffer);
}

// The visible top-level window of `processId` with that class or title,
// waited for up to `attempts` tenths of a second.
HWND WaitForWindow(DWORD processId, const wchar_t* className, const wchar_t* title, int attempts) {
    for (int attempt = 0; attempt < attempts; ++attempt, Sleep(100))
        for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, className, title));) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == processId && IsWindowVisible(window))
                return window;
        }
    return nullptr;
}

// The descendants of `parent` for which `wanted` holds.
std::vector<HWND> Descendants(HWND parent, const std::function<bool(HWND)>& wanted) {
    std::pair<const std::function<bool(HWND)>*, std::vector<HWND>> search{&wanted, {}};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<decltype(search)*>(data);
            if ((*s->first)(child))
                s->second.push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

std::vector<HWND> ChildrenOfClass(HWND parent, const std::wstring& className) {
    return Descendants(parent, [&](HWND child) {
        wchar_t name[64]{};
        GetClassNameW(child, name, 64);
        return name == className;
    });
}

// A folder of its own with a copy of the program, so that the ".ini" it
// writes next to itself is the test's.
class ProgramFolder {
  public:
    ProgramFolder() {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        folder_ = std::wstring(base) + L"velmora_e2e_" + std::to_wstring(GetCurrentProcessId()) +
                  L"_" + std::to_wstring(counter_++);
        CreateDirectoryW(folder_.c_str(), nullptr);
        CopyFileW(WinePath(VELMORA_EXE).c_str(), Path(L"Velmora.exe").c_str(), FALSE);
    }
    ~ProgramFolder() {
        for (const wchar_t* name : {L"Velmora.exe", L"Velmora.ini", L"clock.dat"})
            DeleteFileW(Path(name).c_str());
        RemoveDirectoryW(folder_.c_str());
    }
    std::wstring Path(const std::wstring& name) const { return folder_ + L"\\" + name; }
    Text Directory() const { return FromWide(folder_) + "\\"; }

  private:
    std::wstring folder_;
    static inline int counter_ = 0;
};

// One run of the program until its window is closed.
class RunningClock {
  public:
    RunningClock(const ProgramFolder& folder, const std::wstring& arguments) {
        std::wstring commandLine = L"\"" + folder.Path(L"Velmora.exe") + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        const std::wstring directory = folder.Path(L"");
        started_ = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  directory.c_str(), &startup, &process_);
        if (started_)
            window_ = WaitForWindow(process_.dwProcessId, L"TForm1", nullptr, 300);
    }
    ~RunningClock() {
        if (!started_)
            return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    HWND Window() const { return window_; }
    DWORD ProcessId() const { return process_.dwProcessId; }

    // WM_CLOSE, then the process ends on its own.
    bool Close() {
        PostMessageW(window_, WM_CLOSE, 0, 0);
        return WaitForSingleObject(process_.hProcess, 30000) == WAIT_OBJECT_0;
    }

  private:
    bool started_ = false;
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

const std::string PlacedFile =
    "[POSITION]\r\nFlags=0\r\nShowCmd=1\r\nMaxX=-1\r\nMaxY=-1\r\nLeft=100\r\nTop=120\r\n"
    "Right=500\r\nBottom=260\r\nSplit=180\r\nState=0\r\n"
    "[DATA]\r\nBoxName1=東京\r\nDiffIndex1=47\r\nBoxName2=Paris\r\nDiffIndex2=31\r\n"
    "LocaleID2=1036\r\nDateIndex2=21\r\n";

TEST(VelmoraProgram, FreeTextCaptionAndTheIniItWrites) {
    ProgramFolder folder;
    WriteBytes(folder.Path(L"clock.dat"),
               PlacedFile + "[MODE]\r\nTitleMode=5\r\nTitleString=二都市時計\r\n");
    RunningClock clock(folder, L"\"" + folder.Path(L"clock.dat") + L"\"");
    ASSERT_NE(clock.Window(), nullptr);
    EXPECT_EQ(WindowText(clock.Window()), "二都市時計");

    const std::vector<HWND> frames = ChildrenOfClass(clock.Window(), L"VelmoraFrame");
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(WindowText(frames[0]), "東京");
    EXPECT_EQ(WindowText(frames[1]), "Paris");
    // Paris's date pattern "yyyy/mm/dd(ddd)" with French day names.
    const std::vector<HWND> labels = ChildrenOfClass(frames[1], L"VelmoraClockLabel");
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_NE(WindowText(labels[0]).find(")"), Text::npos);

    ASSERT_TRUE(clock.Close());
    const std::string expected =
        Replace(Golden("e2e_title_mode5.ini"), "@DIRECTORY@", folder.Directory());
    EXPECT_EQ(ReadBytes(folder.Path(L"Velmora.ini")), expected);
}

TEST(VelmoraProgram, LeftClockCaptionFollowsTheClock) {
    ProgramFolder folder;
    WriteBytes(folder.Path(L"clock.dat"), PlacedFile + "[MODE]\r\nTitleMode=3\r\n");
    Win32LocaleSource locale;
    const PcSettings pc = LoadPcSettings(locale);
    const auto expectedAt = [&] {
        SYSTEMTIME now{};
        GetLocalTime(&now);
        using namespace std::chrono;
        const DateTime time = EncodeDateTime(year{now.wYear} / month{now.wMonth} / day{now.wDay},
                                             now.wHour, now.wMinute);
        return FormatPattern("m/d hh:mm ", time, pc.FormatSettings, pc.Facts) + "東京";
    };
    RunningClock clock(folder, L"\"" + folder.Path(L"clock.dat") + L"\"");
    ASSERT_NE(clock.Window(), nullptr);
    const Text before = expectedAt();
    const Text caption = WindowText(clock.Window());
    const Text after = expectedAt();
    EXPECT_TRUE(caption == before || caption == after) << caption << " / " << before;
    ASSERT_TRUE(clock.Close());
}

TEST(VelmoraProgram, StartsWithDefaultsWithoutAFile) {
    ProgramFolder folder;
    RunningClock clock(folder, L"");
    ASSERT_NE(clock.Window(), nullptr);
    EXPECT_EQ(WindowText(clock.Window()), "Velmora");
    const std::vector<HWND> frames = ChildrenOfClass(clock.Window(), L"VelmoraFrame");
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(WindowText(frames[0]), "昭和基地");
    EXPECT_EQ(WindowText(frames[1]), "ヒューストン");
    // Centred on the primary screen.
    RECT rect{};
    GetWindowRect(clock.Window(), &rect);
    EXPECT_LE(std::abs((rect.left + rect.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 1);
    ASSERT_TRUE(clock.Close());

    // Everything after the window's placement is the defaults.
    const std::string written = ReadBytes(folder.Path(L"Velmora.ini"));
    const std::string golden = Golden("default_settings.ini");
    ASSERT_NE(written.find("[DATA]"), std::string::npos) << written;
    EXPECT_EQ(written.substr(written.find("[DATA]")), golden.substr(golden.find("[DATA]")));
    EXPECT_NE(written.find("Path=" + folder.Directory() + "\r\n"), std::string::npos);
}

bool HasEnglishDayName(const Text& date) {
    for (const char* day : {"(Sun)", "(Mon)", "(Tue)", "(Wed)", "(Thu)", "(Fri)", "(Sat)"})
        if (date.find(day) != Text::npos)
            return true;
    return false;
}

TEST(VelmoraProgram, SettingsDialogFromTheMenuSwitchesTheLeftClockToEnglish) {
    ProgramFolder folder;
    WriteBytes(folder.Path(L"clock.dat"), "[DATA]\r\nDateIndex1=21\r\nLocaleID1=1041\r\n");
    RunningClock clock(folder, L"\"" + folder.Path(L"clock.dat") + L"\"");
    ASSERT_NE(clock.Window(), nullptr);
    const std::vector<HWND> frames = ChildrenOfClass(clock.Window(), L"VelmoraFrame");
    ASSERT_EQ(frames.size(), 2u);
    const HWND leftDate = ChildrenOfClass(frames[0], L"VelmoraClockLabel").at(0);
    EXPECT_FALSE(HasEnglishDayName(WindowText(leftDate))) << WindowText(leftDate);

    // "オプション(&O)" → "設定(&S)...", then "英語,1033" for the left clock and OK.
    PostMessageW(clock.Window(), WM_COMMAND, ID_SETTING1, 0);
    const HWND dialog = WaitForWindow(clock.ProcessId(), nullptr, L"設定", 100);
    ASSERT_NE(dialog, nullptr);
    const int listId = CommandIdOf(ControlId::ComboBox13);
    const std::vector<HWND> lists =
        Descendants(dialog, [&](HWND child) { return GetDlgCtrlID(child) == listId; });
    ASSERT_FALSE(lists.empty());
    const HWND list = lists[0];
    PostMessageW(list, CB_SETCURSEL, 8, 0);
    PostMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);

    // The next tick writes the date with English day names.
    Text date;
    for (int attempt = 0; attempt < 50 && !HasEnglishDayName(date); ++attempt) {
        Sleep(100);
        date = WindowText(leftDate);
    }
    EXPECT_TRUE(HasEnglishDayName(date)) << date;
    ASSERT_TRUE(clock.Close());
    EXPECT_NE(ReadBytes(folder.Path(L"Velmora.ini")).find("LocaleID1=1033\r\n"), std::string::npos);
}

} // namespace
} // namespace velmora
