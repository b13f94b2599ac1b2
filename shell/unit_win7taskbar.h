#pragma once
// The taskbar button's progress bar through ITaskbarList3.
#include <shobjidl.h>
#include <windows.h>

#include "engine/taskbar_progress.h"
#include "engine/unique_handle_win.h"

namespace velmora {

// Whether the shell registers the taskbar list, known without loading it or COM.
bool TaskbarListRegistered();

class Win7Taskbar final : public TaskbarProgress {
  public:
    // The owner window is the one that carries the application's taskbar
    // button, not the main window.
    explicit Win7Taskbar(HWND ownerWindow) : owner_(ownerWindow) {}

    // Creates the taskbar list once; any failure leaves the feature absent.
    bool TaskbarProgressInit() noexcept;
    bool TaskbarProgressAvailable() const noexcept { return static_cast<bool>(taskbar_); }
    bool TaskbarProgressSetState(ProgressKind kind) noexcept;
    bool TaskbarProgressSetValue(std::uint64_t completed, std::uint64_t total) noexcept;

    bool SetState(ProgressKind kind) override { return TaskbarProgressSetState(kind); }
    bool SetValue(std::uint64_t completed, std::uint64_t total) override {
        return TaskbarProgressSetValue(completed, total);
    }
    bool Available() const override { return TaskbarProgressAvailable(); }

  private:
    // The object may be made before the program starts COM for its dialogs:
    // it holds an apartment of its own, released after the taskbar list.
    ComApartment com_;
    HWND owner_;
    ComPtr<ITaskbarList3> taskbar_;
};

} // namespace velmora
