#include "engine/deferred_taskbar.h"

namespace velmora {

bool DeferredTaskbar::SetState(ProgressKind kind) {
    if (!made_) {
        if (!present_)
            return false;
        if (kind == ProgressKind::None) {
            pendingValue_.reset();
            return true;
        }
        if (!MakeReady())
            return false;
        const bool set = made_->SetState(kind);
        if (pendingValue_)
            made_->SetValue(pendingValue_->first, pendingValue_->second);
        pendingValue_.reset();
        return set;
    }
    return made_->SetState(kind);
}

// A platform that cannot make the object after all (its code missing or
// broken) has no bar for the rest of the run.
bool DeferredTaskbar::MakeReady() {
    if (!made_ && present_) {
        made_ = make_();
        present_ = made_ != nullptr;
    }
    return Available();
}

bool DeferredTaskbar::SetValue(std::uint64_t completed, std::uint64_t total) {
    if (made_)
        return made_->SetValue(completed, total);
    if (!present_)
        return false;
    pendingValue_.emplace(completed, total);
    return true;
}

} // namespace velmora
