#include "ui/dialog_template.h"

#include <cstring>

#include "engine/text_win.h"

namespace velmora {

std::vector<WORD> EmptyTemplate(DWORD style, DWORD exStyle, const wchar_t* title) {
    DLGTEMPLATE head{};
    head.style = style;
    head.dwExtendedStyle = exStyle;
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD));
    std::memcpy(words.data(), &head, sizeof head);
    words.push_back(0); // no menu
    words.push_back(0); // the standard dialog class
    for (const wchar_t* c = title; *c; ++c)
        words.push_back(static_cast<WORD>(*c));
    words.push_back(0);
    return words;
}

UniqueFont MakeFont(const char* face, int height) {
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfCharSet = SHIFTJIS_CHARSET;
    std::wcsncpy(font.lfFaceName, ToWide(face).c_str(), LF_FACESIZE - 1);
    return UniqueFont(CreateFontIndirectW(&font));
}

} // namespace velmora
