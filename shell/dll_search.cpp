#include "shell/dll_search.h"

#include <windows.h>

namespace velmora {

void RestrictDllSearchToSystem32() {
    // A clock unpacked into a downloads folder must not pick up a planted
    // DLL that shares a system DLL's name.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Takes the current folder out of the search of plain LoadLibrary calls.
    SetDllDirectoryW(L"");
}

} // namespace velmora
