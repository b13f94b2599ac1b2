#include "ui/main_form_state.h"

namespace velmora {
namespace {

// The shared part is the same record in both; of a side, only the kept
// values, so that the patterns derived before stay (an unknown blink mode
// leaves the blink pairs as they were).
template <class From, class To> void CopyKept(const From& from, To& to) {
    static_cast<SharedSettings&>(to) = from;
    for (std::size_t i = 0; i < to.Sides.size(); ++i)
        static_cast<SideSettings&>(to.Sides[i]) = from.Sides[i];
}

} // namespace

void CopySettingsToState(const Settings& from, MainFormState& to) {
    CopyKept(from, to);
}

void CopyStateToSettings(const MainFormState& from, Settings& to) {
    CopyKept(from, to);
}

void CopyKeptValues(const MainFormState& from, MainFormState& to) {
    CopyKept(from, to);
}

} // namespace velmora
