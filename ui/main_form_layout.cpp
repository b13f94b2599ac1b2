// The main window's layout: the frames on either side of the divider, the
// labels in them, their fonts, the smallest size and a change of DPI.
#include "ui/main_form.h"

#include "engine/display_patterns.h"
#include "settings/setting_values.h"
#include "settings/window_design.h"
#include "shell/shell_resources.h"
#include "ui/child_windows.h"
#include "ui/form_logic.h"

namespace velmora {

// The program's icon in the caption and on the taskbar button, at the sizes
// for the window's DPI. The ones they replace are freed after the swap.
void TForm1::SetIcons() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto load = [&](int metric) {
        const int size = GetSystemMetricsForDpi(metric, dpi_);
        return UniqueIcon(static_cast<HICON>(
            LoadImageW(instance, MAKEINTRESOURCEW(IDI_VELMORA), IMAGE_ICON, size, size, 0)));
    };
    UniqueIcon big = load(SM_CXICON);
    UniqueIcon small = load(SM_CXSMICON);
    for (HWND window : {app_.Handle(), window_}) {
        SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
        SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    }
    bigIcon_ = std::move(big);
    smallIcon_ = std::move(small);
}

int TForm1::Scale(int designPixels) const {
    return MulDiv(designPixels, static_cast<int>(dpi_), 96);
}

FontSettings TForm1::DesignLabelFont() const {
    return {DesignLabelFace, Scale(DesignLabelHeight), {}, 0};
}

int TForm1::LabelTop() const {
    return groupBox1_.LabelTop(Scale(FrameInset));
}

void TForm1::Layout() {
    if (!groupBox1_.Handle())
        return;
    RECT client{};
    GetClientRect(window_, &client);
    const int padding = Scale(WindowPadding);
    const int left = padding;
    const int right = std::max(static_cast<int>(client.right) - padding, left);
    const int top = padding;
    const int height = std::max(static_cast<int>(client.bottom) - 2 * padding, 0);
    const int splitter = Scale(SplitterWidth);
    const int width =
        AnchoredFrameWidth(anchoredWidth_, right - left - splitter, Scale(MinimumFrameWidth));
    if (leftAnchored_) {
        Place(groupBox1_.Handle(), left, top, width, height);
        Place(splitter1_.Handle(), left + width, top, splitter, height);
        Place(groupBox2_.Handle(), left + width + splitter, top, right - left - width - splitter,
              height);
    } else {
        Place(groupBox2_.Handle(), right - width, top, width, height);
        Place(splitter1_.Handle(), right - width - splitter, top, splitter, height);
        Place(groupBox1_.Handle(), left, top, right - left - width - splitter, height);
    }
    // The date labels' height follows the frames' here, not on resizing
    // alone: a start lays the window out before showing it, and labels left
    // at the height they had would be sized and drawn again as it appears.
    dateLabelHeight_ = DateLabelHeight(ClientHeight(groupBox1_.Handle()), LabelTop());
    LayoutLabels();
}

void TForm1::LayoutLabels() {
    const int inset = Scale(FrameInset);
    const int top = LabelTop();
    for (const auto& [frame, date, time] : {std::tuple{&groupBox1_, &label1_, &label11_},
                                            std::tuple{&groupBox2_, &label2_, &label21_}}) {
        RECT area{};
        GetClientRect(frame->Handle(), &area);
        const int width = area.right - 2 * inset;
        Place(date->Handle(), inset, top, width, dateLabelHeight_);
        Place(time->Handle(), inset, top + dateLabelHeight_, width,
              area.bottom - inset - top - dateLabelHeight_);
    }
}

// The labels already fit: every resize lays the window out first.
void TForm1::FormResize() {
    // Resizes caused by applying a settings file leave the fonts and the
    // anchoring as the file gave them, wherever the mouse happens to be.
    if (applyingSettings_)
        return;
    if (!resizeArmed_) {
        resizeArmed_ = true;
        return;
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    const RECT window = WindowRect(window_);
    if (!CursorOnWindow(ToPoint(cursor), ToRect(window)))
        return;
    // The clock on the side away from the dragged edge keeps its width.
    const RECT divider = ChildRect(splitter1_.Handle());
    const bool anchorLeft = cursor.x - window.left > divider.left || IsZoomed(window_);
    leftAnchored_ = anchorLeft;
    const RECT kept = ChildRect(anchorLeft ? groupBox1_.Handle() : groupBox2_.Handle());
    anchoredWidth_ = kept.right - kept.left;
    Layout();
    if (state_.AutoScale)
        AdjustFontSize();
}

void TForm1::SplitterMoved(int left) {
    RECT client{};
    GetClientRect(window_, &client);
    const int padding = Scale(WindowPadding);
    anchoredWidth_ =
        leftAnchored_ ? left - padding : client.right - padding - (left + Scale(SplitterWidth));
    anchoredWidth_ = std::max(anchoredWidth_, 0);
    Layout();
    FormResize();
}

void TForm1::AdjustFontSize() {
    for (const auto& [font, frame, date, time] :
         {std::tuple{&state_.Fonts[0], &groupBox1_, &label1_, &label11_},
          std::tuple{&state_.Fonts[1], &groupBox2_, &label2_, &label21_}}) {
        const FontRequest request = AutoScaleFontRequest(ClientHeight(frame->Handle()), *font);
        const LOGFONTW created = ToLogFont(request);
        *font = FontOfRequest(request, font->color);
        date->SetFont(*font, UniqueFont(CreateFontIndirectW(&created)));
        time->SetFont(*font, UniqueFont(CreateFontIndirectW(&created)));
    }
}

// The labels draw each side's font from the state.
void TForm1::ApplyFonts() {
    label1_.SetFont(state_.Fonts[0]);
    label11_.SetFont(state_.Fonts[0]);
    label2_.SetFont(state_.Fonts[1]);
    label21_.SetFont(state_.Fonts[1]);
}

void TForm1::ApplyCaptions() {
    groupBox1_.SetCaption(state_.Sides[0].BoxName);
    groupBox2_.SetCaption(state_.Sides[1].BoxName);
}

void TForm1::ApplyControls() {
    ApplyCaptions();
    ApplyFonts();
    Layout();
}

// The patterns a tick formats follow the sides, the blink options and
// whether the time labels' faces are proportional.
void TForm1::DerivePatterns() {
    DeriveDisplayPatterns(state_.Sides[0], state_.Sides[1], state_.Display, deps_.fontPitch,
                          state_.Fonts[0].faceName, state_.Fonts[1].faceName);
}

// Small enough for any screen, large enough that the menu bar stays one
// row and both clocks' frames remain between the border bands.
SIZE TForm1::MinimumSize() const {
    const bool menuShown = GetMenu(window_) != nullptr;
    int barWidth = 0;
    for (int item = 0; menuShown && item < GetMenuItemCount(mainMenu1_.get()); ++item) {
        RECT rect{};
        if (GetMenuItemRect(window_, mainMenu1_.get(), static_cast<UINT>(item), &rect))
            barWidth += rect.right - rect.left;
    }
    RECT least{0, 0, std::max(Scale(MinimumClientWidth), barWidth), Scale(MinimumClientHeight)};
    AdjustWindowRectExForDpi(&least, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)),
                             menuShown, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)),
                             dpi_);
    return {least.right - least.left, least.bottom - least.top};
}

void TForm1::ChangeDpi(UINT dpi, const RECT& suggested) {
    const UINT old = dpi_;
    dpi_ = dpi;
    anchoredWidth_ = MulDiv(anchoredWidth_, static_cast<int>(dpi), static_cast<int>(old));
    // Through the points the settings file keeps, so that what is written at
    // this DPI reads back as the same font.
    for (FontSettings& font : state_.Fonts)
        font.height =
            FontHeightFromSize(FontSizeFromHeight(font.height, static_cast<std::int32_t>(old)),
                               static_cast<std::int32_t>(dpi));
    ApplyFonts();
    const LOGFONTW frameFont = LogFontOf({DesignFrameFace, Scale(DesignFrameFontHeight), {}, 0});
    groupBox1_.SetFont(frameFont);
    groupBox2_.SetFont(frameFont);
    SetIcons();
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
}
} // namespace velmora
