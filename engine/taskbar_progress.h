#pragma once
// The progress bar on the application's taskbar button.
#include <cstdint>

namespace velmora {

// The bar's states; a value without a name shows no bar.
enum class ProgressKind : int {
    None = 0,
    Indeterminate = 1,
    Normal = 2, // green
    Error = 3,  // red
    Paused = 4, // yellow
};

class TaskbarProgress {
  public:
    virtual ~TaskbarProgress() = default;
    // Both setters do nothing and return false while the taskbar is not available.
    virtual bool SetState(ProgressKind kind) = 0;
    virtual bool SetValue(std::uint64_t completed, std::uint64_t total) = 0;
    virtual bool Available() const = 0;
    // Makes the platform's object if that has not been tried yet, and tells
    // whether a bar can be shown: Available() from then on is the answer.
    virtual bool MakeReady() { return Available(); }
};

} // namespace velmora
