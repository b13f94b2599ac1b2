#pragma once
// Message boxes that answer from a script and a shell that only records.
#include <windows.h>

#include <deque>
#include <string>
#include <vector>

#include "engine/text.h"
#include "shell/shell_services.h"

namespace velmora::testing {

struct ShownBox {
    Text text;
    Text caption;
    UINT flags;
};

class ScriptedBoxes final : public MessageBoxes {
  public:
    std::deque<int> answers; // nothing left: IDOK
    std::vector<ShownBox> shown;
    int Show(HWND, const Text& text, const Text& caption, UINT flags) override {
        shown.push_back({text, caption, flags});
        if (answers.empty())
            return IDOK;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class RecordingShell final : public ShellOpener {
  public:
    struct Call {
        HWND owner;
        std::wstring target;
    };
    std::vector<Call> calls;
    void Open(HWND owner, const std::wstring& target) override { calls.push_back({owner, target}); }
};

// What the system says the test executable is, asked the short way.
inline std::wstring RunningExecutable() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, length);
}

} // namespace velmora::testing
