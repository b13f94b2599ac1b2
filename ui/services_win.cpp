#include "ui/services_win.h"

#include <commdlg.h>
#include <mmsystem.h>

#include <vector>

#include "engine/deferred_taskbar.h"
#include "engine/text_win.h"
#include "engine/tick.h"
#include "shell/unit_win7taskbar.h"
#include "ui/form_logic.h"

namespace velmora {
namespace {

// "設定ファイル(*.dat)|*.dat|すべてのファイル(*.*)|*.*" in the dialog's
// zero-separated form; the sound files' the same with "*.wav".
std::wstring Filter(bool sounds) {
    std::wstring filter;
    for (const char* part : {sounds ? "サウンド(*.wav)" : "設定ファイル(*.dat)",
                             sounds ? "*.wav" : "*.dat", "すべてのファイル(*.*)", "*.*"}) {
        filter += ToWide(part);
        filter.push_back(L'\0');
    }
    filter.push_back(L'\0');
    return filter;
}

std::optional<Text> RunDialog(HWND owner, const Text& initialDirectory, DWORD flags, bool save,
                              bool sounds = false) {
    const std::wstring filter = Filter(sounds);
    const std::wstring directory = ToWide(initialDirectory);
    std::vector<wchar_t> path(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = directory.empty() ? nullptr : directory.c_str();
    dialog.lpstrDefExt = sounds ? L"wav" : L"dat";
    dialog.Flags = flags | OFN_EXPLORER;
    const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen)
        return std::nullopt;
    return FromWide(path.data());
}

} // namespace

void Win32SoundPlayer::PlayReminder(ReminderSound sound, const Text& file) {
    // Asynchronous: the tick goes on while the sound plays. A file that
    // cannot be played falls back to nothing rather than the default beep.
    switch (sound) {
    case ReminderSound::System:
        PlaySoundW(L"Notification.Default", nullptr, SND_ALIAS | SND_ASYNC);
        break;
    case ReminderSound::File:
        PlaySoundW(ToWide(file).c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
        break;
    case ReminderSound::None:
        break;
    }
}

void Win32SoundPlayer::PlayChime() {
    MessageBeep(MB_OK);
}

void MessageBoxErrorReporter::ShowError(HWND owner, const Text& message) {
    // The caption is the application title, the owner window's text.
    Text title = ProductName;
    if (HWND application = owner ? GetWindow(owner, GW_OWNER) : nullptr) {
        wchar_t buffer[512]{};
        GetWindowTextW(application, buffer, 512);
        title = FromWide(buffer);
    }
    MessageBoxW(owner, ToWide(ErrorBoxText(message)).c_str(), ToWide(title).c_str(),
                MB_ICONERROR | MB_OK);
}

std::optional<Text> Win32FileDialogs::ChooseFileToOpen(HWND owner, const Text& initialDirectory) {
    return RunDialog(owner, initialDirectory,
                     OFN_READONLY | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST |
                         OFN_OVERWRITEPROMPT | OFN_ENABLESIZING,
                     false);
}

std::optional<Text> Win32FileDialogs::ChooseFileToSave(HWND owner, const Text& initialDirectory) {
    return RunDialog(owner, initialDirectory,
                     OFN_OVERWRITEPROMPT | OFN_CREATEPROMPT | OFN_HIDEREADONLY | OFN_ENABLESIZING,
                     true);
}

std::optional<Text> Win32FileDialogs::ChooseSoundFile(HWND owner, const Text& initialDirectory) {
    return RunDialog(owner, initialDirectory,
                     OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_ENABLESIZING,
                     false, true);
}

std::unique_ptr<TaskbarProgress> MakeWin7Taskbar(HWND owner) {
    return std::make_unique<DeferredTaskbar>(
        TaskbarListRegistered(), [owner]() -> std::unique_ptr<TaskbarProgress> {
            auto taskbar = std::make_unique<Win7Taskbar>(owner);
            taskbar->TaskbarProgressInit();
            return taskbar;
        });
}

} // namespace velmora
