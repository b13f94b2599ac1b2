#pragma once
// The progress bar on the application's taskbar button.
#include <cstdint>

namespace velmora {

// Progress states: 0 none, 1 indeterminate, 2 normal (green), 3 error (red),
// 4 paused (yellow); any other number is none.
enum ProgressKind : int {
    ProgressNone = 0,
    ProgressIndeterminate = 1,
    ProgressNormal = 2,
    ProgressError = 3,
    ProgressPaused = 4,
};

class TaskbarProgress {
  public:
    virtual ~TaskbarProgress() = default;
    // Both setters do nothing and return false while the taskbar is not available.
    virtual bool SetState(int kind) = 0;
    virtual bool SetValue(std::uint64_t completed, std::uint64_t total) = 0;
    virtual bool Available() const = 0;
    // Makes the platform's object if that has not been tried yet, and tells
    // whether a bar can be shown: Available() from then on is the answer.
    virtual bool MakeReady() { return Available(); }
};

} // namespace velmora
