#include "ui/reminder_dialog.h"

#include <commctrl.h>

#include "engine/text_win.h"
#include "ui/dialog_template.h"
#include "ui/modal_loop.h"

namespace velmora {
namespace {

using enum ReminderControl;

struct Spec {
    ReminderControl id;
    const wchar_t* className;
    const char* caption; // code page 932
    DWORD style;         // besides WS_CHILD | WS_VISIBLE
    int x, y, width, height;
};

constexpr DWORD Caption = SS_LEFT | SS_NOPREFIX | WS_GROUP;
constexpr DWORD Edit = ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP | WS_BORDER;
constexpr DWORD PickList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP;
constexpr DWORD Check = BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP;
constexpr DWORD Push = BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP;

// Client area and controls at 96 dots per inch, in tab order.
constexpr int ClientWidth = 440;
constexpr int ClientHeight = 364;
constexpr Spec Controls[] = {
    {List, WC_LISTBOXW, "", LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP, 8, 8, 190,
     236},
    {Add, WC_BUTTONW, "追加(&A)", Push, 8, 250, 60, 24},
    {Remove, WC_BUTTONW, "削除(&D)", Push, 74, 250, 60, 24},
    {On, WC_BUTTONW, "有効(&E)", Check, 208, 8, 120, 18},
    {ClockLabel, WC_STATICW, "時計", Caption, 208, 34, 60, 16},
    {Clock, WC_COMBOBOXW, "", PickList, 272, 30, 160, 80},
    {TimeLabel, WC_STATICW, "時刻", Caption, 208, 62, 60, 16},
    {Time, WC_EDITW, "", Edit, 272, 58, 60, 22},
    {DaysLabel, WC_STATICW, "曜日", Caption, 208, 90, 60, 16},
    {Day0, WC_BUTTONW, "日", Check, 272, 88, 24, 18},
    {Day1, WC_BUTTONW, "月", BS_AUTOCHECKBOX | WS_TABSTOP, 296, 88, 24, 18},
    {Day2, WC_BUTTONW, "火", BS_AUTOCHECKBOX | WS_TABSTOP, 320, 88, 24, 18},
    {Day3, WC_BUTTONW, "水", BS_AUTOCHECKBOX | WS_TABSTOP, 344, 88, 24, 18},
    {Day4, WC_BUTTONW, "木", BS_AUTOCHECKBOX | WS_TABSTOP, 368, 88, 24, 18},
    {Day5, WC_BUTTONW, "金", BS_AUTOCHECKBOX | WS_TABSTOP, 392, 88, 24, 18},
    {Day6, WC_BUTTONW, "土", BS_AUTOCHECKBOX | WS_TABSTOP, 416, 88, 24, 18},
    {DateLabel, WC_STATICW, "日付(1回)", Caption, 208, 118, 62, 16},
    {Date, WC_EDITW, "", Edit, 272, 114, 90, 22},
    {MessageLabel, WC_STATICW, "メッセージ", Caption, 208, 146, 62, 16},
    {Message, WC_EDITW, "", Edit, 272, 142, 160, 22},
    {SoundLabel, WC_STATICW, "音", Caption, 208, 174, 60, 16},
    {Sound, WC_COMBOBOXW, "", PickList, 272, 170, 160, 80},
    {SoundFile, WC_EDITW, "", Edit, 272, 198, 110, 22},
    {Browse, WC_BUTTONW, "参照(&B)...", Push, 386, 198, 46, 22},
    {WorkEnd, WC_BUTTONW, "終業時刻に通知(&W)", Check, 8, 284, 240, 18},
    {ChimeLabel, WC_STATICW, "時報", Caption, 8, 310, 36, 16},
    {Chime, WC_COMBOBOXW, "", PickList, 44, 306, 96, 80},
    {ChimeClock, WC_COMBOBOXW, "", PickList, 146, 306, 90, 80},
    {QuietLabel, WC_STATICW, "鳴らさない時間", Caption, 242, 310, 84, 16},
    {QuietFrom, WC_EDITW, "", Edit, 326, 306, 46, 22},
    {QuietTill, WC_STATICW, "〜", Caption, 374, 310, 12, 16},
    {QuietTo, WC_EDITW, "", Edit, 388, 306, 46, 22},
    {Ok, WC_BUTTONW, "&OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 238, 334, 94, 24},
    {Cancel, WC_BUTTONW, "キャンセル", Push, 340, 334, 94, 24},
};

constexpr ReminderControl DayBoxes[] = {Day0, Day1, Day2, Day3, Day4, Day5, Day6};
constexpr const char* DayNames[] = {"日", "月", "火", "水", "木", "金", "土"};
constexpr int FirstId = 2000;

int IdOf(ReminderControl id) {
    return id == Ok ? IDOK : id == Cancel ? IDCANCEL : FirstId + static_cast<int>(id);
}
ReminderControl ControlOf(int commandId) {
    if (commandId == IDOK)
        return Ok;
    if (commandId == IDCANCEL)
        return Cancel;
    const int index = commandId - FirstId;
    return index >= 0 && index < static_cast<int>(Count) ? static_cast<ReminderControl>(index)
                                                         : Count;
}

std::wstring TextOf(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}
bool Checked(HWND box) {
    return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}
void SetCheck(HWND box, bool on) {
    SendMessageW(box, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}
int Selection(HWND combo) {
    return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

// The message in the file's code page, or nothing when a character has no
// place there (it would come back as a question mark).
std::optional<Text> InFileCodePage(const std::wstring& text) {
    if (text.empty())
        return Text();
    BOOL lost = FALSE;
    const int length =
        WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text.c_str(), static_cast<int>(text.size()),
                            nullptr, 0, nullptr, &lost);
    if (length <= 0 || lost)
        return std::nullopt;
    Text bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text.c_str(), static_cast<int>(text.size()),
                        bytes.data(), length, nullptr, &lost);
    return bytes;
}

} // namespace

ReminderDialog::~ReminderDialog() {
    if (dialog_)
        DestroyWindow(dialog_);
}

bool ReminderDialog::Create(HWND owner) {
    dialog_ =
        CreateEmptyDialog(owner, "リマインダー", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_3DLOOK,
                          Procedure, reinterpret_cast<LPARAM>(this));
    if (!dialog_)
        return false;
    dpi_ = GetDpiForWindow(dialog_);
    font_ = MakeFont("ＭＳ Ｐゴシック", -Scale(12));
    SetClientSize(dialog_, Scale(ClientWidth), Scale(ClientHeight), dpi_);
    for (const Spec& spec : Controls) {
        const HWND control = CreateWindowExW(
            0, spec.className, ToWide(spec.caption).c_str(), WS_CHILD | WS_VISIBLE | spec.style,
            Scale(spec.x), Scale(spec.y), Scale(spec.width), Scale(spec.height), dialog_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdOf(spec.id))), GetModuleHandleW(nullptr),
            nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        controls_[static_cast<std::size_t>(spec.id)] = control;
    }
    const auto fill = [this](ReminderControl combo, std::initializer_list<const char*> entries) {
        for (const char* entry : entries)
            SendMessageW(Control(combo), CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(ToWide(entry).c_str()));
    };
    fill(Sound, {"なし", "通知音", "ファイル"});
    fill(Chime, {"なし", "毎正時", "30分ごと"});
    SendMessageW(dialog_, DM_SETDEFID, IDOK, 0);
    return true;
}

bool ReminderDialog::Execute(ReminderDialogState& state) {
    if (!dialog_)
        return false;
    Open(state);
    result_ = 0;
    ShowModal(dialog_, result_);
    if (result_ != IDOK)
        return false;
    state.Reminders = working_.Reminders;
    state.Reminding = working_.Reminding;
    return true;
}

void ReminderDialog::Open(const ReminderDialogState& state) {
    working_ = state;
    for (std::size_t i = 0; i < MaxReminders; ++i)
        messages_[i] = ToWide(state.Reminders[i].Message);
    loading_ = true;
    for (const ReminderControl combo : {Clock, ChimeClock}) {
        SendMessageW(Control(combo), CB_RESETCONTENT, 0, 0);
        // A clock without a name is named by its side.
        for (const Text& side : {Text("左側"), Text("右側")}) {
            const Text& name = state.ClockNames[side == "左側" ? 0 : 1];
            SendMessageW(Control(combo), CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(ToWide(name.empty() ? side : name).c_str()));
        }
    }
    const ReminderOptions& o = state.Reminding;
    SetCheck(Control(WorkEnd), o.WorkEnd);
    SendMessageW(Control(Chime), CB_SETCURSEL, static_cast<WPARAM>(o.Chime), 0);
    SendMessageW(Control(ChimeClock), CB_SETCURSEL, static_cast<WPARAM>(o.ChimeClock), 0);
    SetWindowTextW(Control(QuietFrom), ToWide(o.QuietFrom).c_str());
    SetWindowTextW(Control(QuietTo), ToWide(o.QuietTo).c_str());
    loading_ = false;
    FillList();
    Select(listSlots_.empty() ? -1 : listSlots_.front());
}

// One line a reminder: its time, clock, days or date, and message.
void ReminderDialog::FillList() {
    const HWND list = Control(List);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    listSlots_.clear();
    for (std::size_t i = 0; i < MaxReminders; ++i) {
        const ReminderSettings& r = working_.Reminders[i];
        if (r.Time.empty())
            continue;
        Text days;
        for (int d = 0; d < 7; ++d)
            if (r.Days >> d & 1)
                days += DayNames[d];
        const bool right = r.Clock == ReminderClock::Right;
        const std::wstring line =
            ToWide(Text(r.On ? "" : "（無効）") + r.Time + " " + (right ? "右" : "左") + " " +
                   (days.empty() ? r.Date : days) + " ") +
            messages_[i];
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        listSlots_.push_back(static_cast<int>(i));
    }
}

void ReminderDialog::Select(int slot) {
    selected_ = slot;
    int row = -1;
    for (std::size_t i = 0; i < listSlots_.size(); ++i)
        if (listSlots_[i] == slot)
            row = static_cast<int>(i);
    SendMessageW(Control(List), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    LoadEditor();
}

void ReminderDialog::LoadEditor() {
    loading_ = true;
    const bool any = selected_ >= 0;
    for (const ReminderControl id : {On, Clock, Time, Day0, Day1, Day2, Day3, Day4, Day5, Day6,
                                     Date, Message, Sound, SoundFile, Browse, Remove})
        EnableWindow(Control(id), any);
    const ReminderSettings r =
        any ? working_.Reminders[static_cast<std::size_t>(selected_)] : ReminderSettings{};
    SetCheck(Control(On), r.On);
    SendMessageW(Control(Clock), CB_SETCURSEL, r.Clock == ReminderClock::Right ? 1 : 0, 0);
    SetWindowTextW(Control(Time), ToWide(r.Time).c_str());
    for (int d = 0; d < 7; ++d)
        SetCheck(Control(DayBoxes[d]), (r.Days >> d & 1) != 0);
    SetWindowTextW(Control(Date), ToWide(r.Date).c_str());
    SetWindowTextW(Control(Message),
                   any ? messages_[static_cast<std::size_t>(selected_)].c_str() : L"");
    SendMessageW(Control(Sound), CB_SETCURSEL, static_cast<WPARAM>(r.Sound), 0);
    SetWindowTextW(Control(SoundFile), ToWide(r.SoundFile).c_str());
    loading_ = false;
}

// Every change of the editor goes to the copy at once, so the list shows it.
void ReminderDialog::StoreEditor() {
    if (loading_ || selected_ < 0)
        return;
    ReminderSettings& r = working_.Reminders[static_cast<std::size_t>(selected_)];
    r.On = Checked(Control(On));
    r.Clock = Selection(Control(Clock)) == 1 ? ReminderClock::Right : ReminderClock::Left;
    r.Time = FromWide(TextOf(Control(Time)));
    r.Days = 0;
    for (int d = 0; d < 7; ++d)
        r.Days |= Checked(Control(DayBoxes[d])) ? 1 << d : 0;
    r.Date = FromWide(TextOf(Control(Date)));
    messages_[static_cast<std::size_t>(selected_)] = TextOf(Control(Message));
    r.Sound = static_cast<ReminderSound>(std::max(Selection(Control(Sound)), 0));
    r.SoundFile = FromWide(TextOf(Control(SoundFile)));
    const int keep = selected_;
    FillList();
    for (std::size_t i = 0; i < listSlots_.size(); ++i)
        if (listSlots_[i] == keep)
            SendMessageW(Control(List), LB_SETCURSEL, i, 0);
}

void ReminderDialog::AddReminder() {
    for (std::size_t i = 0; i < MaxReminders; ++i) {
        if (!working_.Reminders[i].Time.empty())
            continue;
        working_.Reminders[i] = {};
        working_.Reminders[i].On = true;
        working_.Reminders[i].Time = "9:00";
        messages_[i].clear();
        FillList();
        Select(static_cast<int>(i));
        return;
    }
    errors_.ShowError(dialog_, "リマインダーは " + std::to_string(MaxReminders) + " 件までです");
}

void ReminderDialog::RemoveReminder() {
    if (selected_ < 0)
        return;
    working_.Reminders[static_cast<std::size_t>(selected_)] = {};
    messages_[static_cast<std::size_t>(selected_)].clear();
    FillList();
    Select(listSlots_.empty() ? -1 : listSlots_.front());
}

// A chosen file sets the sound to that file.
void ReminderDialog::BrowseSound() {
    const Text current = FromWide(TextOf(Control(SoundFile)));
    const std::size_t cut = current.find_last_of("\\/");
    const std::optional<Text> chosen =
        files_.ChooseSoundFile(dialog_, cut == Text::npos ? Text() : current.substr(0, cut));
    if (!chosen)
        return;
    SendMessageW(Control(Sound), CB_SETCURSEL, static_cast<WPARAM>(ReminderSound::File), 0);
    SetWindowTextW(Control(SoundFile), ToWide(*chosen).c_str()); // stores the editor
}

// Every reminder must be readable and its message fit the file; the first
// that does not is selected and named.
bool ReminderDialog::Check() {
    for (std::size_t i = 0; i < MaxReminders; ++i) {
        ReminderSettings& r = working_.Reminders[i];
        if (r.Time.empty())
            continue;
        const Text number = "リマインダー " + std::to_string(i + 1) + " の";
        Text problem;
        const std::optional<Text> message = InFileCodePage(messages_[i]);
        if (!message) {
            problem = number + "メッセージには、設定ファイルに保存できない文字があります";
        } else {
            r.Message = *message;
            switch (ReadRule(r).problem) {
            case ReminderProblem::Time:
                problem = number + "時刻は 0:00 から 23:59 の「時:分」で入力してください";
                break;
            case ReminderProblem::Date:
                problem = number + "日付は「yyyy/mm/dd」で入力するか、曜日を選んでください";
                break;
            case ReminderProblem::Sound:
                problem = number + "音のファイルを入力してください";
                break;
            default:
                break;
            }
            if (problem.empty() && r.Sound == ReminderSound::File &&
                GetFileAttributesW(ToWide(r.SoundFile).c_str()) == INVALID_FILE_ATTRIBUTES)
                problem = number + "音のファイル \"" + r.SoundFile + "\" が見つかりません";
        }
        if (!problem.empty()) {
            Select(static_cast<int>(i));
            errors_.ShowError(dialog_, problem);
            return false;
        }
    }
    ReminderOptions& o = working_.Reminding;
    o.WorkEnd = Checked(Control(WorkEnd));
    o.Chime = static_cast<ChimeMode>(std::max(Selection(Control(Chime)), 0));
    o.ChimeClock = Selection(Control(ChimeClock)) == 1 ? ReminderClock::Right : ReminderClock::Left;
    o.QuietFrom = FromWide(TextOf(Control(QuietFrom)));
    o.QuietTo = FromWide(TextOf(Control(QuietTo)));
    // Empty ends mean no quiet hours.
    const auto readable = [](const Text& time) { return time.empty() || ParseClockTime(time); };
    if (!readable(o.QuietFrom) || !readable(o.QuietTo)) {
        errors_.ShowError(dialog_,
                          "鳴らさない時間は 0:00 から 23:59 の「時:分」で入力してください");
        return false;
    }
    return true;
}

INT_PTR CALLBACK ReminderDialog::Procedure(HWND dialog, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        return FALSE;
    }
    auto* self = reinterpret_cast<ReminderDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!self)
        return FALSE;
    switch (message) {
    case WM_COMMAND:
        self->Command(ControlOf(LOWORD(wParam)), HIWORD(wParam));
        return TRUE;
    case WM_CLOSE:
        self->result_ = IDCANCEL;
        return TRUE;
    default:
        return FALSE;
    }
}

void ReminderDialog::Command(ReminderControl id, int code) {
    switch (id) {
    case Ok:
        if (Check())
            result_ = IDOK;
        return;
    case Cancel:
        result_ = IDCANCEL;
        return;
    case Add:
        AddReminder();
        return;
    case Remove:
        RemoveReminder();
        return;
    case Browse:
        BrowseSound();
        return;
    case List:
        if (code == LBN_SELCHANGE) {
            const int row = static_cast<int>(SendMessageW(Control(List), LB_GETCURSEL, 0, 0));
            if (row >= 0 && row < static_cast<int>(listSlots_.size()))
                Select(listSlots_[static_cast<std::size_t>(row)]);
        }
        return;
    case Time:
    case Date:
    case Message:
    case SoundFile:
        if (code == EN_CHANGE)
            StoreEditor();
        return;
    case Clock:
    case Sound:
        if (code == CBN_SELCHANGE)
            StoreEditor();
        return;
    default:
        if (code == BN_CLICKED)
            StoreEditor();
        return;
    }
}

} // namespace velmora
