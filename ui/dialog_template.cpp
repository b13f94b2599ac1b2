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

HWND CreateEmptyDialog(HWND owner, const char* caption, DWORD style, DLGPROC procedure,
                       LPARAM parameter) {
    const std::vector<WORD> frame =
        EmptyTemplate(style, WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT, ToWide(caption).c_str());
    return CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                      reinterpret_cast<const DLGTEMPLATE*>(frame.data()), owner,
                                      procedure, parameter);
}

void SetClientSize(HWND dialog, int width, int height, UINT dpi) {
    RECT outer{0, 0, width, height};
    AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)),
                             FALSE, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)),
                             dpi);
    SetWindowPos(dialog, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

UniqueFont MakeFont(const char* face, int height) {
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfCharSet = SHIFTJIS_CHARSET;
    std::wcsncpy(font.lfFaceName, ToWide(face).c_str(), LF_FACESIZE - 1);
    return UniqueFont(CreateFontIndirectW(&font));
}

} // namespace velmora
