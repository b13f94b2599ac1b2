// The settings dialog's windows: the dialog and its two tab pages, the
// controls from the layout table, the messages, and the modal loop.
#include "ui/settings_dialog.h"

#include <commctrl.h>

#include <cstring>
#include <string>

#include "engine/offset_table.h"
#include "engine/text_win.h"
#include "ui/dialog_template.h"
#include "ui/form_logic.h"
#include "ui/modal_loop.h"

namespace velmora {
namespace {

using enum ControlId;

// Backgrounds of the three progress colour buttons: lime, yellow, red.
constexpr COLORREF ProgressColours[] = {RGB(0, 255, 0), RGB(255, 255, 0), RGB(255, 0, 0)};
constexpr COLORREF White = RGB(255, 255, 255);

} // namespace

TForm2::TForm2(SettingsDialogHost& host, FontChooser& fonts) : host_(host), fonts_(fonts) {}

TForm2::~TForm2() {
    if (dialog_)
        DestroyWindow(dialog_);
}

int TForm2::Scale(int designPixels) const {
    return MulDiv(designPixels, static_cast<int>(dpi_), 96);
}

bool TForm2::Create(HWND owner, std::int32_t leftLocaleId, std::int32_t rightLocaleId) {
    INITCOMMONCONTROLSEX classes{sizeof classes,
                                 ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&classes);
    dpi_ = owner ? GetDpiForWindow(owner) : GetDpiForSystem();
    if (dpi_ == 0)
        dpi_ = GetDpiForSystem();

    dialog_ = CreateEmptyDialog(owner, "設定", WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN | DS_3DLOOK,
                                Procedure, reinterpret_cast<LPARAM>(this));
    if (!dialog_)
        return false;
    // Placed each time it opens, on the monitor the clock is on then.
    SetClientSize(dialog_, Scale(DialogClientWidth), Scale(DialogClientHeight), dpi_);

    MakeFonts();
    for (std::size_t i = 0; i < colourBrushes_.size(); ++i)
        colourBrushes_[i].reset(CreateSolidBrush(ProgressColours[i]));
    white_.reset(CreateSolidBrush(White));
    SendMessageW(dialog_, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont_.get()), FALSE);

    CreateControls();
    FillFixedLists();
    FormCreate(leftLocaleId, rightLocaleId);
    return true;
}

void TForm2::MakeFonts() {
    dialogFont_ = MakeFont("ＭＳ Ｐゴシック", -Scale(12));
    pickerFont_ = MakeFont("ＭＳ ゴシック", -Scale(13));
}

HFONT TForm2::FontOf(ControlId id) const {
    const bool picker = id == DateTimePicker1 || id == DateTimePicker2;
    return picker ? pickerFont_.get() : dialogFont_.get();
}

// The control's rectangle on its page or the dialog, at the current DPI.
RECT TForm2::ControlRect(const ControlSpec& spec) const {
    int x = spec.x;
    int y = spec.y;
    if (spec.frame != Count) {
        x += SpecOf(spec.frame).x;
        y += SpecOf(spec.frame).y;
    }
    return {Scale(x), Scale(y), Scale(x + spec.width), Scale(y + spec.height)};
}

HWND TForm2::CreatePage() {
    const std::vector<WORD> page = EmptyTemplate(WS_CHILD | DS_CONTROL | WS_CLIPSIBLINGS, 0, L"");
    return CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                      reinterpret_cast<const DLGTEMPLATE*>(page.data()), dialog_,
                                      Procedure, reinterpret_cast<LPARAM>(this));
}

void TForm2::CreateControls() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const ControlSpec& spec : SettingsDialogControls()) {
        HWND parent = dialog_;
        if (spec.host != Host::Dialog) {
            // The pages follow the tab control in the tab order.
            HWND& page = pages_[static_cast<std::size_t>(spec.host) - 1];
            if (!page)
                page = CreatePage();
            parent = page;
        }
        const RECT rect = ControlRect(spec);
        const HWND control = CreateWindowExW(
            0, spec.className, ToWide(spec.caption).c_str(), WS_CHILD | WS_VISIBLE | spec.style,
            rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(CommandIdOf(spec.id))), instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(spec.id)), FALSE);
        // Creation order is the tab order, whatever the platform does with new windows.
        SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        controls_[static_cast<std::size_t>(spec.id)] = control;
    }

    // The pages take the tab control's display area, above it, so that the
    // tab control does not paint over them.
    const HWND tabs = Control(PageControl1);
    const std::wstring names[PageCount] = {ToWide("データ設定"), ToWide("表示設定"),
                                           ToWide("デスクトップ設定")};
    for (int i = 0; i < std::ssize(names); ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(names[i].c_str());
        SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
    }
    PlacePages();
    SendMessageW(dialog_, DM_SETDEFID, IDOK, 0);
}

void TForm2::PlacePages() {
    const HWND tabs = Control(PageControl1);
    SendMessageW(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(Scale(TabWidth), Scale(20)));
    RECT area{};
    GetClientRect(tabs, &area);
    SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    for (HWND page : pages_)
        SetWindowPos(page, HWND_TOP, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOACTIVATE);
}

// Moved to a monitor of another DPI while open: fonts, controls and the
// dialog itself take the new scale, the dialog at the rectangle Windows
// suggests.
void TForm2::DpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    // The controls hold the old fonts until they are given the new ones.
    const UniqueFont oldDialogFont = std::move(dialogFont_);
    const UniqueFont oldPickerFont = std::move(pickerFont_);
    MakeFonts();
    SendMessageW(dialog_, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont_.get()), FALSE);
    for (const ControlSpec& spec : SettingsDialogControls()) {
        const HWND control = Control(spec.id);
        const RECT rect = ControlRect(spec);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(spec.id)), TRUE);
        SetWindowPos(control, nullptr, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    PlacePages();
    for (ControlId zones : {ComboBox14, ComboBox24})
        SendMessageW(Control(zones), CB_SETDROPPEDWIDTH, Scale(ZoneListDropWidth), 0);
    SetWindowPos(dialog_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm2::FillFixedLists() {
    for (ControlId offsets : {ComboBox1, ComboBox2}) {
        for (int i = 0; i < OffsetCount; ++i)
            SendMessageW(Control(offsets), CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(ToWide(OffsetLabel(i)).c_str()));
        SendMessageW(Control(offsets), CB_SETCURSEL, ZeroOffsetIndex, 0);
    }
    for (ControlId zones : {ComboBox14, ComboBox24})
        SendMessageW(Control(zones), CB_SETDROPPEDWIDTH, Scale(ZoneListDropWidth), 0);
    for (const char* entry : {"プログレス表示しない", "左側の現地時間", "右側の現地時間"})
        SendMessageW(Control(ComboBox3), CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(ToWide(entry).c_str()));
    SendMessageW(Control(ComboBox3), CB_SETCURSEL, 0, 0);

    for (ControlId checked : {CheckBox4, RadioGroup1Item0, RadioButton1, RadioButton6})
        SendMessageW(Control(checked), BM_SETCHECK, BST_CHECKED, 0);

    const HWND slider = Control(TrackBar1);
    SendMessageW(slider, TBM_SETRANGEMIN, FALSE, LeastViewRate);
    SendMessageW(slider, TBM_SETRANGEMAX, FALSE, 255);
    SendMessageW(slider, TBM_SETPAGESIZE, 0, 25);
    SendMessageW(slider, TBM_SETTICFREQ, 26, 0);
    SendMessageW(slider, TBM_SETPOS, TRUE, 255);

    for (ControlId picker : {DateTimePicker1, DateTimePicker2})
        SendMessageW(Control(picker), DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"HH:mm"));
    SetPicker(DateTimePicker1, 9.0 / 24);
    SetPicker(DateTimePicker2, 17.0 / 24);
}

// ---- Messages ---------------------------------------------------------------

INT_PTR CALLBACK TForm2::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        return FALSE;
    }
    auto* self = reinterpret_cast<TForm2*>(GetWindowLongPtrW(window, DWLP_USER));
    return self ? self->HandleMessage(window, message, wParam, lParam) : FALSE;
}

INT_PTR TForm2::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam != 0 || LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            Command(ControlOfCommand(LOWORD(wParam)), HIWORD(wParam));
        return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == Control(PageControl1) && header->code == TCN_SELCHANGE) {
            SetActivePage(static_cast<int>(SendMessageW(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
            PageControl1Change();
        }
        return FALSE;
    }
    case WM_HSCROLL:
        if (reinterpret_cast<HWND>(lParam) == Control(TrackBar1)) {
            const int position =
                static_cast<int>(SendMessageW(Control(TrackBar1), TBM_GETPOS, 0, 0));
            if (position != trackBarPosition_) {
                trackBarPosition_ = position;
                TrackBar1Change();
            }
        }
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        return reinterpret_cast<INT_PTR>(
            ControlColor(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)));
    case WM_SETCURSOR:
        if (SetHandCursor(reinterpret_cast<HWND>(wParam), lParam)) {
            SetWindowLongPtrW(window, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        return FALSE;
    case WM_DPICHANGED:
        if (window == dialog_)
            DpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return TRUE;
    case WM_CLOSE:
        modalResult_ = IDCANCEL;
        return TRUE;
    case WM_NCDESTROY:
        // Destroyed with its owner: nothing is left for the destructor.
        if (window == dialog_)
            dialog_ = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}

void TForm2::Command(ControlId id, UINT code) {
    switch (id) {
    case BitBtn1:
        modalResult_ = IDOK;
        return;
    case BitBtn2:
        modalResult_ = IDCANCEL;
        return;
    case ComboBox13:
    case ComboBox23:
    case ComboBox14:
    case ComboBox24:
    case ComboBox11:
    case ComboBox12:
    case ComboBox21:
    case ComboBox22:
    case ComboBox3:
        if (code != CBN_SELCHANGE)
            return;
        if (id == ComboBox13)
            ComboBox13Select();
        else if (id == ComboBox23)
            ComboBox23Select();
        else if (id == ComboBox14)
            ComboBox14Select();
        else if (id == ComboBox24)
            ComboBox24Select();
        else if (id == ComboBox3)
            ComboBox3Select();
        else
            SampleSelect(id);
        return;
    case LabeledEdit1:
    case LabeledEdit2:
        // Only focus moving to another control counts, not the dialog
        // closing or hiding around the edit.
        if (code != EN_KILLFOCUS || modalResult_ != 0 || !IsWindowVisible(dialog_))
            return;
        if (id == LabeledEdit1)
            LabeledEdit1Exit();
        else
            LabeledEdit2Exit();
        return;
    default:
        break;
    }
    if (code != BN_CLICKED)
        return;
    switch (id) {
    case Button1:
        Button1Click();
        return;
    case Button2:
        Button2Click();
        return;
    case CheckBox1:
        CheckBox1Click();
        return;
    case CheckBox4:
        CheckBox4Click();
        return;
    case RadioGroup1Item0:
    case RadioGroup1Item1:
    case RadioGroup1Item2: {
        // The button has already checked itself and cleared its neighbours.
        const auto mode =
            static_cast<BlinkPairing>(static_cast<int>(id) - static_cast<int>(RadioGroup1Item0));
        if (mode != blinkChoice_) {
            blinkChoice_ = mode;
            RadioGroup1Click();
        }
        return;
    }
    case RadioButton1:
    case RadioButton2:
    case RadioButton3:
    case RadioButton4:
    case RadioButton5:
        titleChoice_ =
            static_cast<TitleSource>(static_cast<int>(TitleSource::ProductTitle) +
                                     static_cast<int>(id) - static_cast<int>(RadioButton1));
        RadioButton5Click();
        return;
    default:
        return;
    }
}

HBRUSH TForm2::ControlColor(HWND control, HDC dc) {
    for (std::size_t i = 0; i < colourBrushes_.size(); ++i) {
        if (control == Control(static_cast<ControlId>(static_cast<int>(RadioButton6) + int(i)))) {
            SetBkColor(dc, ProgressColours[i]);
            return colourBrushes_[i].get();
        }
    }
    if (control == Control(Edit1)) {
        SetBkColor(dc, edit1On_ ? White : GetSysColor(COLOR_BTNFACE));
        return edit1On_ ? white_.get() : GetSysColorBrush(COLOR_BTNFACE);
    }
    return nullptr; // the dialog's default colours
}

bool TForm2::SetHandCursor(HWND control, LPARAM hit) {
    if (LOWORD(hit) != HTCLIENT)
        return false;
    for (const ControlSpec& spec : SettingsDialogControls()) {
        if (spec.handCursor && Control(spec.id) == control) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return true;
        }
    }
    return false;
}

void TForm2::SetActivePage(int page) {
    activePage_ = page >= 0 && page < static_cast<int>(PageCount) ? page : 0;
    SendMessageW(Control(PageControl1), TCM_SETCURSEL, static_cast<WPARAM>(activePage_), 0);
    for (std::size_t i = 0; i < pages_.size(); ++i)
        ShowWindow(pages_[i], static_cast<int>(i) == activePage_ ? SW_SHOW : SW_HIDE);
}

// ---- Modal run --------------------------------------------------------------

bool TForm2::ShowModal() {
    modalResult_ = 0;
    velmora::ShowModal(dialog_, modalResult_, [this] {
        ComboBox3Select(); // the dialog's show handler
        SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(PageControl1)), TRUE);
    });
    return modalResult_ == IDOK;
}

bool TForm2::Execute(SettingsDialogState& state) {
    if (!dialog_)
        return false;
    Open(state);
    if (ShowModal()) {
        CopyBack(state);
        return true;
    }
    RestoreAlpha();
    return false;
}

void TForm2::RestoreAlpha() {
    host_.SetAlpha(alphaAtOpening_);
}

} // namespace velmora
