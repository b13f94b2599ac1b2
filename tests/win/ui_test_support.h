#pragma once
// The main window under test: a set clock, settings files in memory, error
// boxes and file dialogs that only record.
#include <windows.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/date_time.h"
#include "engine/font_pitch_win.h"
#include "engine/locale_source_win.h"
#include "engine/text_win.h"
#include "engine/time_zone_rules_win.h"
#include "engine/unique_handle_win.h"
#include "tests/native/memory_file_system.h"
#include "tests/native/recording_taskbar.h"
#include "tests/win/shell_test_support.h"
#include "tests/win/window_queries.h"
#include "ui/main_form.h"

namespace velmora::testing {

// A computer on Tokyo time, nine hours ahead of UTC all year.
class SetClock final : public ClockSource {
  public:
    DateTime now = 0; // local
    ClockReading Read() const override { return {now, now - 9 / 24.0}; }
};

class RecordingErrors final : public ErrorReporter {
  public:
    std::vector<Text> messages;
    void ShowError(HWND, const Text& message) override { messages.push_back(message); }
};

class ScriptedDialogs final : public FileDialogs {
  public:
    std::deque<std::optional<Text>> answers; // nothing left: cancelled
    std::vector<Text> initialDirectories;
    std::optional<Text> ChooseFileToOpen(HWND, const Text& directory) override {
        return Next(directory);
    }
    std::optional<Text> ChooseFileToSave(HWND, const Text& directory) override {
        return Next(directory);
    }
    std::optional<Text> ChooseSoundFile(HWND, const Text& directory) override {
        return Next(directory);
    }

  private:
    std::optional<Text> Next(const Text& directory) {
        initialDirectories.push_back(directory);
        if (answers.empty())
            return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

constexpr char TestExecutable[] = "C:\\clock\\Velmora.exe";
constexpr char TestIni[] = "C:\\clock\\Velmora.ini";

// 2024-03-05 12:34:57, a Tuesday.
inline DateTime TestInstant(int second = 57) {
    using namespace std::chrono;
    return EncodeDateTime(year{2024} / March / 5, 12, 34, second);
}

// The font dialog, answering from a list.
class ScriptedFonts final : public FontChooser {
  public:
    std::deque<std::optional<FontSettings>> answers; // nothing left: cancelled
    std::vector<FontSettings> offered;
    bool Choose(HWND, FontSettings& font) override {
        offered.push_back(font);
        const std::optional<FontSettings> answer = answers.empty() ? std::nullopt : answers.front();
        if (!answers.empty())
            answers.pop_front();
        if (answer)
            font = *answer;
        return answer.has_value();
    }
};

// Windows' light/dark setting from a key of this process's own, so that a
// test switching it leaves the suites running beside it alone; high contrast
// as a test says, Wine having no switch for it.
class TestTheme final : public ThemeSource {
  public:
    TestTheme()
        : key_(L"Software\\Velmora tests\\Personalize " + std::to_wstring(GetCurrentProcessId())),
          registry_(key_) {}
    ~TestTheme() override { RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str()); }
    TestTheme(const TestTheme&) = delete;
    TestTheme& operator=(const TestTheme&) = delete;

    // Sets "AppsUseLightTheme" as the Personalize page does.
    void SetAppsLight(bool light) const {
        const DWORD value = light ? 1 : 0;
        RegSetKeyValueW(HKEY_CURRENT_USER, key_.c_str(), L"AppsUseLightTheme", REG_DWORD, &value,
                        sizeof value);
    }
    SystemTheme Read() const override {
        SystemTheme theme = registry_.Read();
        if (highContrast)
            theme.highContrast = *highContrast;
        return theme;
    }
    std::optional<bool> highContrast;

  private:
    std::wstring key_;
    Win32ThemeSource registry_;
};

// The sounds asked for, in order: "chime", or the reminder's sound and file.
class RecordingSounds final : public SoundPlayer {
  public:
    void PlayReminder(ReminderSound sound, const Text& file) override {
        played.push_back(std::to_string(static_cast<int>(sound)) + " " + file);
    }
    void PlayChime() override { played.push_back("chime"); }
    std::vector<std::string> played;
};

class FormFixture {
  public:
    ComApartment com; // as the program's entry point gives its user-interface thread
    SetClock clock;
    Win32TimeZoneRules zones;
    Win32LocaleSource locale;
    Win32FontPitch fontPitch;
    MemoryFileSystem files;
    RecordingErrors errors;
    ScriptedDialogs dialogs;
    ScriptedFonts fonts;
    ScriptedBoxes boxes;
    RecordingShell shell;
    TestTheme theme;
    RecordingSounds sounds;
    RecordingTaskbar* taskbar = nullptr;
    // The settings files the window reads and writes, and the program's path
    // that names its start-up ".ini": in memory unless a test says otherwise.
    SettingsFileSystem* fileSystem = &files;
    Text executable = TestExecutable;
    std::unique_ptr<TForm1> form;

    FormFixture() { clock.now = TestInstant(); }

    // The start-up ".ini" holds `ini`; the command line is `commandLine`.
    TForm1& Start(const std::string& ini, const std::wstring& commandLine = L"Velmora.exe") {
        files.files[TestIni] = ini;
        return StartWithFiles(commandLine);
    }
    TForm1& StartWithFiles(const std::wstring& commandLine = L"Velmora.exe") {
        auto makeTaskbar = [this](HWND) -> std::unique_ptr<TaskbarProgress> {
            auto made = std::make_unique<RecordingTaskbar>();
            taskbar = made.get();
            return made;
        };
        form = std::make_unique<TForm1>(
            FormDependencies{clock, zones, locale, fontPitch, *fileSystem, errors, dialogs, fonts,
                             boxes, shell, theme, sounds, makeTaskbar, commandLine, executable});
        form->Create();
        return *form;
    }
};

// A menu item as the user sees it: the window sets marks and enabled items
// as each menu and its submenus open.
inline UINT OpenedMenuState(const TForm1& form, HMENU menu, UINT id) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        if (const HMENU submenu = GetSubMenu(menu, i))
            SendMessageW(form.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(submenu),
                         static_cast<LPARAM>(i));
    SendMessageW(form.Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    return GetMenuState(menu, id, MF_BYCOMMAND);
}

inline bool MenuChecked(const TForm1& form, HMENU menu, UINT id) {
    return (OpenedMenuState(form, menu, id) & MF_CHECKED) != 0;
}

inline RECT ChildRect(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline int Height(const RECT& rect) {
    return rect.bottom - rect.top;
}
inline int Width(const RECT& rect) {
    return rect.right - rect.left;
}

// Sets the window's client area so that the frames are `frameHeight` high.
inline void SetFrameHeight(TForm1& window, int frameHeight) {
    RECT outer{}, client{};
    GetWindowRect(window.Handle(), &outer);
    GetClientRect(window.Handle(), &client);
    SetWindowPos(window.Handle(), nullptr, 0, 0, Width(outer),
                 frameHeight + 4 + Height(outer) - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace velmora::testing
