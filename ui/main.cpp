// Velmora's entry point: COM for the user-interface thread, the main window
// with its owner window, and the message loop until the main window closes.
#include <windows.h>

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
    TForm1 form({clock, zones, locale, fontPitch, files, errors, dialogs, fonts, boxes, shell,
                 MakeWin7Taskbar, GetCommandLineW(), FromWide(ExecutablePath())});
    form.SetDestroyHandler([] { PostQuitMessage(0); });
    if (!form.Create())
        return 1;
    form.ShowFirst();
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
    // The taskbar progress and the shell's objects need a single-threaded apartment.
    const velmora::ComApartment com;
    return velmora::Run();
}
