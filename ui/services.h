#pragma once
// What the main window needs from the platform, injected so that tests can
// run it with a set clock, files of their own and no modal boxes.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engine/clock_source.h"
#include "engine/font_pitch.h"
#include "engine/locale_source.h"
#include "engine/reminder.h"
#include "engine/taskbar_progress.h"
#include "engine/text.h"
#include "engine/theme.h"
#include "engine/time_zone_rules.h"
#include "settings/settings_file.h"
#include "shell/shell_services.h"
#include "ui/font_chooser.h"

namespace velmora {

// The application's standard error box.
class ErrorReporter {
  public:
    virtual ~ErrorReporter() = default;
    virtual void ShowError(HWND owner, const Text& message) = 0;
};

// The open and save dialogs of the settings files: the chosen full path, or
// nothing when the user cancels.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    virtual std::optional<Text> ChooseFileToOpen(HWND owner, const Text& initialDirectory) = 0;
    virtual std::optional<Text> ChooseFileToSave(HWND owner, const Text& initialDirectory) = 0;
    // A reminder's .wav file.
    virtual std::optional<Text> ChooseSoundFile(HWND owner, const Text& initialDirectory) = 0;
};

// What Windows says of light, dark and high contrast, read anew whenever
// Windows announces a change.
class ThemeSource {
  public:
    virtual ~ThemeSource() = default;
    virtual SystemTheme Read() const = 0;
};

// The sounds of reminders and of the chime.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // `file` is the .wav file of ReminderSound::File, code page 932.
    virtual void PlayReminder(ReminderSound sound, const Text& file) = 0;
    virtual void PlayChime() = 0;
};

// The taskbar progress for the window that owns the taskbar button; its
// Available() tells whether the platform has one.
using TaskbarFactory = std::function<std::unique_ptr<TaskbarProgress>(HWND owner)>;

struct FormDependencies {
    const ClockSource& clock;
    const TimeZoneRules& zones;
    LocaleSource& locale;
    const FontPitch& fontPitch;
    SettingsFileSystem& files;
    ErrorReporter& errors;
    FileDialogs& dialogs;
    FontChooser& fonts;
    MessageBoxes& boxes; // questions and results of the shortcut commands
    ShellOpener& shell;  // help file and home page
    const ThemeSource& theme;
    SoundPlayer& sounds;
    TaskbarFactory makeTaskbar;
    std::wstring commandLine; // as GetCommandLineW gives it
    Text executablePath;      // full path; its ".ini" is the start-up file
};

} // namespace velmora
