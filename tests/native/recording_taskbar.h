#pragma once
// A taskbar that records the calls made to it.
#include <cstdint>
#include <vector>

#include "engine/taskbar_progress.h"

namespace velmora {

struct TaskbarCall {
    enum Kind { State, Value } kind;
    std::uint64_t first = 0;  // the state, or the completed value
    std::uint64_t second = 0; // the total
    bool operator==(const TaskbarCall&) const = default;
};

inline TaskbarCall StateCall(ProgressKind kind) {
    return {TaskbarCall::State, static_cast<std::uint64_t>(kind), 0};
}
inline TaskbarCall ValueCall(std::uint64_t completed, std::uint64_t total) {
    return {TaskbarCall::Value, completed, total};
}

class RecordingTaskbar final : public TaskbarProgress {
  public:
    bool SetState(ProgressKind kind) override {
        calls.push_back(StateCall(kind));
        return true;
    }
    bool SetValue(std::uint64_t completed, std::uint64_t total) override {
        calls.push_back(ValueCall(completed, total));
        return true;
    }
    bool Available() const override { return true; }

    std::vector<TaskbarCall> calls;
};

} // namespace velmora
