#pragma once
// A taskbar progress whose platform object is made only when the bar first
// has something to show. Making it loads the shell's taskbar code, as much
// time and memory as the rest of the start-up; with the progress off the
// clock never needs it.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "engine/taskbar_progress.h"

namespace velmora {

class DeferredTaskbar final : public TaskbarProgress {
  public:
    using Maker = std::function<std::unique_ptr<TaskbarProgress>()>;
    // `present`: whether the platform has a taskbar progress to make.
    DeferredTaskbar(bool present, Maker make) : present_(present), make_(std::move(make)) {}

    // Until the object is made, the bar shows nothing: clearing it does
    // nothing, and a value waits for the first state that shows a bar.
    bool SetState(ProgressKind kind) override;
    bool SetValue(std::uint64_t completed, std::uint64_t total) override;
    // Until the object has been tried, whether the platform has one.
    bool Available() const override { return made_ ? made_->Available() : present_; }
    bool MakeReady() override;

  private:
    bool present_;
    Maker make_;
    std::unique_ptr<TaskbarProgress> made_;
    std::optional<std::pair<std::uint64_t, std::uint64_t>> pendingValue_;
};

} // namespace velmora
