#pragma once
// Windows read from the test: texts and descendants, of this process or another.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/text_win.h"

namespace velmora::testing {

// At most 1023 characters; a window of a hung process gives up after five seconds.
inline Text WindowText(HWND window) {
    wchar_t buffer[1024]{};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_BLOCK,
                        5000, &length);
    return FromWide(buffer);
}

// The descendants of `parent` for which `wanted` holds.
inline std::vector<HWND> Descendants(HWND parent, const std::function<bool(HWND)>& wanted) {
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

inline std::vector<HWND> ChildrenOfClass(HWND parent, const std::wstring& className) {
    return Descendants(parent, [&](HWND child) {
        wchar_t name[64]{};
        GetClassNameW(child, name, 64);
        return name == className;
    });
}

} // namespace velmora::testing
