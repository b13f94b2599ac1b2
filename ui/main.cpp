// Velmora's entry point: the main window with its owner window, COM for the
// user-interface thread once the window is shown, and the message loop until
// the main window closes.
#include <windows.h>

#include <optional>

#include "engine/clock_source_win.h"
#include "engine/font_pitch_win.h"
#include "engine/locale_source_win.h"
#include "engine/text_win.h"
#include "engine/time_zone_rules_win.h"
#include "engine/unique_handle_win.h"
#include "settings/settings_file_win.h"
#include "shell/dll_search.h"
#include "shell/executable_path.h"
#include "ui/main_form.h"
#include "ui/services_win.h"

namespace velmora {
namespace {

int Run() {
    // Outlives the window and everything it holds.
    std::optional<ComApartment> com;
    Win32ClockSource clock;
    Win32TimeZoneRules zones;
    Win32LocaleSource locale;
    Win32FontPitch fontPitch;
    WinSettingsFileSystem files;
    MessageBoxErrorReporter errors;
    Win32FileDialogs dialogs;
    Win32FontChooser fonts;
    Win32MessageBoxes boxes;
    Win32ShellOpener shell;
    Win32ThemeSource theme;
    Win32SoundPlayer sounds;
    TForm1 form({clock, zones, locale, fontPitch, files, errors, dialogs, fonts, boxes, shell,
                 theme, sounds, MakeWin7Taskbar, GetCommandLineW(), FromWide(ExecutablePath())});
    form.SetDestroyHandler([] { PostQuitMessage(0); });
    if (!form.Create())
        return 1;
    form.ShowFirst();
    // The shell's dialogs, links and ShellExecuteW want COM on this thread.
    // None is used before the window is on screen, which comes sooner when
    // COM's libraries and its apartment window are not set up first.
    com.emplace();
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (form.TranslateAccelerators(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace
} // namespace velmora

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Before anything loads a DLL by name: never from the current folder.
    velmora::RestrictDllSearchToSystem32();
    return velmora::Run();
}
