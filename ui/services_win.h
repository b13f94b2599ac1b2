#pragma once
// The platform's error box, file dialogs and taskbar for the main window.
#include "ui/services.h"

namespace velmora {

// A message box with the error icon, one OK button and the application title
// as caption.
// PlaySound for reminders (winmm.dll loads with the first one), the
// default beep for the chime.
class Win32SoundPlayer final : public SoundPlayer {
  public:
    void PlayReminder(ReminderSound sound, const Text& file) override;
    void PlayChime() override;
};

class MessageBoxErrorReporter final : public ErrorReporter {
  public:
    void ShowError(HWND owner, const Text& message) override;
};

// The common open and save dialogs with the settings file filter.
class Win32FileDialogs final : public FileDialogs {
  public:
    std::optional<Text> ChooseFileToOpen(HWND owner, const Text& initialDirectory) override;
    std::optional<Text> ChooseFileToSave(HWND owner, const Text& initialDirectory) override;
    std::optional<Text> ChooseSoundFile(HWND owner, const Text& initialDirectory) override;
};

// Win7Taskbar after TaskbarProgressInit, made when the bar first shows.
std::unique_ptr<TaskbarProgress> MakeWin7Taskbar(HWND owner);

} // namespace velmora
