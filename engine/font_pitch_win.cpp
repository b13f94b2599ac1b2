#include "engine/font_pitch_win.h"

#include <cwchar>

#include "engine/text_win.h"
#include "engine/unique_handle_win.h"

namespace velmora {

bool Win32FontPitch::IsProportionalFont(const Text& faceName) const {
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    if (!dc)
        return false;
    // Only the face name is set; every other attribute is the platform's default.
    LOGFONTW font{};
    const std::wstring face = ToWide(faceName);
    wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    UniqueFont handle(CreateFontIndirectW(&font));
    if (!handle)
        return false;
    SelectedObject selected(dc.get(), handle.get());
    TEXTMETRICW metrics{};
    if (!GetTextMetricsW(dc.get(), &metrics))
        return false;
    // Despite its name, TMPF_FIXED_PITCH is set for variable-pitch fonts.
    return (metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) != 0;
}

} // namespace velmora
