#include "engine/reading_order.h"

namespace velmora {

namespace {

bool IsArabicDigit(char16_t c) {
    return (c >= 0x0660 && c <= 0x0669) || (c >= 0x06F0 && c <= 0x06F9);
}

// Hebrew, Arabic and the other right-to-left blocks, with their
// presentation forms; Arabic digits read left to right.
bool IsRightToLeft(char16_t c) {
    if (IsArabicDigit(c))
        return false;
    return (c >= 0x0590 && c <= 0x08FF) || (c >= 0xFB1D && c <= 0xFDFF) ||
           (c >= 0xFE70 && c <= 0xFEFF);
}

// Blanks and punctuation take the direction of what surrounds them.
bool IsNeutral(char16_t c) {
    if (c < 0x80)
        return !((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
    return (c >= 0x2000 && c <= 0x206F) || (c >= 0x3000 && c <= 0x3003);
}

bool RunGoesOn(std::u16string_view text, std::size_t next) {
    while (next < text.size() && IsNeutral(text[next]))
        ++next;
    return next < text.size() && IsRightToLeft(text[next]);
}

} // namespace

WideText WithLeftToRightAnchors(std::u16string_view text) {
    WideText anchored;
    anchored.reserve(text.size() + 4);
    for (std::size_t i = 0; i < text.size(); ++i) {
        anchored.push_back(text[i]);
        if (IsRightToLeft(text[i]) && !RunGoesOn(text, i + 1))
            anchored.push_back(LeftToRightMark);
    }
    return anchored;
}

} // namespace velmora
