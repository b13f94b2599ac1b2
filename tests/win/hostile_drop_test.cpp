// Each hostile settings file dropped on the running main window, in process:
// the real window, the real Win32 settings files in a folder of the test's
// own, and a WM_DROPFILES carrying a drop handle as the shell builds it.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/unique_handle_win.h"
#include "hostile_corpus.h"
#include "hostile_outcome.h"
#include "settings/settings_file_win.h"
#include "tests/win/form_probe.h"
#include "tests/win/test_files.h"
#include "ui/form_logic.h"
#include "ui_test_support.h"

namespace velmora {
namespace {

using namespace testing;

constexpr UINT_PTR TickTimer = 1;

// One file dropped, as the shell hands it over: wide names, the list ended
// by an empty one.
HDROP MakeDrop(const std::wstring& path) {
    const std::size_t bytes = sizeof(DROPFILES) + (path.size() + 2) * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GHND, bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    *drop = DROPFILES{sizeof(DROPFILES), {}, FALSE, TRUE};
    std::copy(path.begin(), path.end(), reinterpret_cast<wchar_t*>(drop + 1));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

std::string FirstShownState(HWND window) {
    WINDOWPLACEMENT p{};
    p.length = sizeof p;
    GetWindowPlacement(window, &p);
    const auto line = [](const char* key, long value) {
        return std::string(key) + "=" + std::to_string(value) + "\r\n";
    };
    return "[POSITION]\r\n" + line("Flags", 0) + line("ShowCmd", SW_SHOWNORMAL) +
           line("Left", p.rcNormalPosition.left) + line("Top", p.rcNormalPosition.top) +
           line("Right", p.rcNormalPosition.right) + line("Bottom", p.rcNormalPosition.bottom) +
           "[FONT]\r\nName1=ＭＳ ゴシック\r\nName2=ＭＳ ゴシック\r\n";
}

class DroppingOnTheWindow : public ::testing::Test, public FormFixture {
  protected:
    void SetUp() override {
        fileSystem = &realFiles;
        executable = FromWide(folder.Path(L"Velmora.exe"));
        StartWithFiles().ShowFirst();
        WriteBytes(firstState, FirstShownState(form->Handle()));
    }

    void Drop(const std::wstring& path) {
        SendMessageW(form->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(path)), 0);
    }
    void Tick() { SendMessageW(form->Handle(), WM_TIMER, TickTimer, 0); }

    Observed DropAndObserve(const HostileCase& item, const std::wstring& path) {
        Drop(firstState);
        errors.messages.clear();
        UniqueFile held;
        if (item.use == Use::HeldOpen)
            held.reset(
                CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        Drop(path);
        // The labels follow the file from the next tick on.
        Tick();

        Observed seen;
        seen.windowShown = IsWindowVisible(form->Handle());
        seen.readFrom = seen.readTo = clock.now;
        ReadMainWindow(form->Handle(), seen);
        seen.leftFace = FormProbe(*form).Label(0).Font().faceName;
        seen.rightFace = FormProbe(*form).Label(2).Font().faceName;

        clock.now += 1.0 / 86'400;
        Tick();
        Observed after;
        ReadMainWindow(form->Handle(), after);
        seen.ticked = after.leftTime != seen.leftTime || after.rightTime != seen.rightTime;
        // What the application's error box would show.
        for (const Text& message : errors.messages)
            seen.startErrors.push_back(ErrorBoxText(message));
        return seen;
    }

    TempFolder folder{L"velmora_drop"};
    WinSettingsFileSystem realFiles;
    const std::wstring firstState = folder.Path(L"first_state.ini");
};

TEST_F(DroppingOnTheWindow, EachHostileFileInTurn) {
    for (const HostileCase& item : HostileCorpus()) {
        SCOPED_TRACE(item.name);
        const std::wstring path = folder.Path(ToWide(item.name));
        ASSERT_TRUE(MakeHostileItem(item, WinePath(VELMORA_TEST_DATA_DIR), path));
        const Observed seen = DropAndObserve(item, path);
        for (const std::string& mismatch :
             Mismatches(item, seen, FromWide(path), FromWide(folder.Path(L"Velmora.ini"))))
            ADD_FAILURE() << mismatch;
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
        RemoveDirectoryW(path.c_str());
    }
}

} // namespace
} // namespace velmora
