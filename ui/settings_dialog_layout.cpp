#include "ui/settings_dialog_layout.h"

#include <commctrl.h>

#include <array>

namespace velmora {
namespace {

using enum ControlId;

// Every control but the followers of a radio group starts a group of its
// own, so that the arrow keys stay inside the radio groups.
constexpr DWORD Frame = BS_GROUPBOX | WS_GROUP;
constexpr DWORD Caption = SS_LEFT | SS_NOPREFIX | WS_GROUP;
constexpr DWORD Edit = ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP | WS_BORDER;
// Pick-only lists: typing cannot leave a list without a selected entry.
constexpr DWORD List = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP;
constexpr DWORD Check = BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP;
constexpr DWORD Push = BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP;
constexpr DWORD FirstRadio = BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP;
constexpr DWORD Radio = BS_AUTORADIOBUTTON;
constexpr DWORD Picker = DTS_TIMEFORMAT | DTS_UPDOWN | WS_TABSTOP | WS_GROUP;

// Drop-down heights hold the rows a list shows at once.
constexpr int ListHeight(int rows) {
    return rows * 15 + 8;
}

constexpr std::array<ControlSpec, ControlCount> Controls{{
    {PageControl1, Host::Dialog, Count, WC_TABCONTROLW, "",
     TCS_HOTTRACK | TCS_FIXEDWIDTH | WS_TABSTOP | WS_GROUP | WS_CLIPSIBLINGS, 0, 0, 383, 309,
     false},

    {GroupBox1, Host::Page1, Count, WC_BUTTONW, "左側(&L)", Frame, 7, 10, 181, 210, false},
    {LabeledEdit1Label, Host::Page1, GroupBox1, WC_STATICW, "都市名、人名等", Caption, 16, 17, 153,
     13, false},
    {LabeledEdit1, Host::Page1, GroupBox1, WC_EDITW, "昭和基地", Edit, 16, 32, 153, 21, false},
    {Label6, Host::Page1, GroupBox1, WC_STATICW, "タイムゾーン", Caption, 16, 56, 153, 13, false},
    {ComboBox14, Host::Page1, GroupBox1, WC_COMBOBOXW, "", List, 16, 70, 153, ListHeight(24),
     false},
    {Label1, Host::Page1, GroupBox1, WC_STATICW, "このＰＣとの時差", Caption, 16, 100, 95, 13,
     false},
    {ComboBox1, Host::Page1, GroupBox1, WC_COMBOBOXW, "", List, 114, 97, 55, ListHeight(24), false},
    {ComboBox13, Host::Page1, GroupBox1, WC_COMBOBOXW, "", List, 16, 124, 153, ListHeight(32),
     false},
    {ComboBox11, Host::Page1, GroupBox1, WC_COMBOBOXW, "", List, 16, 150, 153, ListHeight(32),
     false},
    {ComboBox12, Host::Page1, GroupBox1, WC_COMBOBOXW, "", List, 16, 176, 153, ListHeight(12),
     false},

    {GroupBox2, Host::Page1, Count, WC_BUTTONW, "右側(&R)", Frame, 196, 10, 179, 210, false},
    {LabeledEdit2Label, Host::Page1, GroupBox2, WC_STATICW, "都市名、人名等", Caption, 15, 17, 154,
     13, false},
    {LabeledEdit2, Host::Page1, GroupBox2, WC_EDITW, "ヒューストン", Edit, 15, 32, 154, 21, false},
    {Label7, Host::Page1, GroupBox2, WC_STATICW, "タイムゾーン", Caption, 15, 56, 154, 13, false},
    {ComboBox24, Host::Page1, GroupBox2, WC_COMBOBOXW, "", List, 15, 70, 154, ListHeight(24),
     false},
    {Label2, Host::Page1, GroupBox2, WC_STATICW, "このＰＣとの時差", Caption, 15, 100, 97, 13,
     false},
    {ComboBox2, Host::Page1, GroupBox2, WC_COMBOBOXW, "", List, 116, 97, 53, ListHeight(24), false},
    {ComboBox23, Host::Page1, GroupBox2, WC_COMBOBOXW, "", List, 15, 124, 154, ListHeight(32),
     false},
    {ComboBox21, Host::Page1, GroupBox2, WC_COMBOBOXW, "", List, 15, 150, 154, ListHeight(32),
     false},
    {ComboBox22, Host::Page1, GroupBox2, WC_COMBOBOXW, "", List, 15, 176, 154, ListHeight(12),
     false},

    {GroupBox6, Host::Page1, Count, WC_BUTTONW, "フォント(&F)", Frame, 7, 224, 368, 52, false},
    {CheckBox3, Host::Page1, GroupBox6, WC_BUTTONW, "自動伸縮(&S)", Check, 16, 20, 88, 17, true},
    {Button1, Host::Page1, GroupBox6, WC_BUTTONW, "左側", Push, 108, 17, 73, 23, true},
    {CheckBox4, Host::Page1, GroupBox6, WC_BUTTONW, "左右同じ", Check, 202, 20, 72, 17, true},
    {Button2, Host::Page1, GroupBox6, WC_BUTTONW, "右側", Push | WS_DISABLED, 277, 17, 81, 23,
     true},

    {RadioGroup1, Host::Page2, Count, WC_BUTTONW, "点滅(&B)", Frame, 4, 2, 180, 47, false},
    {RadioGroup1Item0, Host::Page2, RadioGroup1, WC_BUTTONW, "同時", FirstRadio, 8, 20, 54, 17,
     false},
    {RadioGroup1Item1, Host::Page2, RadioGroup1, WC_BUTTONW, "交互", Radio, 66, 20, 54, 17, false},
    {RadioGroup1Item2, Host::Page2, RadioGroup1, WC_BUTTONW, "停止", Radio, 123, 20, 54, 17, false},
    {GroupBox7, Host::Page2, Count, WC_BUTTONW, "プロポーショナルフォント", Frame, 4, 55, 180, 45,
     false},
    {SwingBlink2, Host::Page2, GroupBox7, WC_BUTTONW, "左右にスイング点滅(&S)", Check, 8, 20, 166,
     17, false},
    {GroupBox3, Host::Page2, Count, WC_BUTTONW, "表示状態(&V)", Frame, 190, 2, 182, 98, false},
    {CheckBox1, Host::Page2, GroupBox3, WC_BUTTONW, "半透明(&H)", Check, 15, 20, 100, 17, true},
    {Label3, Host::Page2, GroupBox3, WC_STATICW, "100 %", SS_RIGHT | SS_NOPREFIX | WS_GROUP, 124,
     19, 41, 17, false},
    {TrackBar1, Host::Page2, GroupBox3, TRACKBAR_CLASSW, "",
     TBS_AUTOTICKS | TBS_TOP | WS_TABSTOP | WS_GROUP | WS_DISABLED, 8, 37, 171, 28, true},
    {CheckBox2, Host::Page2, GroupBox3, WC_BUTTONW, "常に前面に表示(&F)", Check, 15, 73, 160, 17,
     true},
    {GroupBox4, Host::Page2, Count, WC_BUTTONW, "タスクバー、タイトルバー日時表示(&T)", Frame, 4,
     105, 368, 97, false},
    {RadioButton1, Host::Page2, GroupBox4, WC_BUTTONW, "設定しない", FirstRadio, 8, 16, 170, 17,
     true},
    {RadioButton2, Host::Page2, GroupBox4, WC_BUTTONW, "このＰＣの固有日時", Radio, 186, 15, 174,
     17, true},
    {RadioButton3, Host::Page2, GroupBox4, WC_BUTTONW, "左側", Radio, 8, 39, 160, 17, true},
    {RadioButton4, Host::Page2, GroupBox4, WC_BUTTONW, "右側", Radio, 186, 38, 174, 17, true},
    {RadioButton5, Host::Page2, GroupBox4, WC_BUTTONW, "", Radio, 8, 62, 24, 17, true},
    {Edit1, Host::Page2, GroupBox4, WC_EDITW, "", Edit | WS_DISABLED, 26, 61, 324, 20, false},
    {GroupBox5, Host::Page2, Count, WC_BUTTONW, "タスクバーでのプログレス表示(&P)", Frame, 4, 207,
     368, 73, false},
    {ComboBox3, Host::Page2, GroupBox5, WC_COMBOBOXW, "", List, 8, 19, 179, ListHeight(3), false},
    {RadioButton6, Host::Page2, GroupBox5, WC_BUTTONW, "緑", FirstRadio, 8, 45, 33, 20, true},
    {RadioButton7, Host::Page2, GroupBox5, WC_BUTTONW, "黄", Radio, 65, 45, 33, 20, true},
    {RadioButton8, Host::Page2, GroupBox5, WC_BUTTONW, "赤", Radio, 123, 45, 33, 20, true},
    {Label4, Host::Page2, GroupBox5, WC_STATICW, "開始", Caption, 203, 24, 40, 13, false},
    {DateTimePicker1, Host::Page2, GroupBox5, DATETIMEPICK_CLASSW, "", Picker, 203, 42, 64, 21,
     false},
    {Label5, Host::Page2, GroupBox5, WC_STATICW, "終了", Caption, 286, 24, 40, 13, false},
    {DateTimePicker2, Host::Page2, GroupBox5, DATETIMEPICK_CLASSW, "", Picker, 286, 42, 64, 21,
     false},

    {RadioGroup2, Host::Page3, Count, WC_BUTTONW, "テーマ(&E)", Frame, 4, 2, 368, 47, false},
    {RadioGroup2Item0, Host::Page3, RadioGroup2, WC_BUTTONW, "Windows に合わせる", FirstRadio, 8,
     20, 150, 17, false},
    {RadioGroup2Item1, Host::Page3, RadioGroup2, WC_BUTTONW, "ライト", Radio, 186, 20, 80, 17,
     false},
    {RadioGroup2Item2, Host::Page3, RadioGroup2, WC_BUTTONW, "ダーク", Radio, 270, 20, 80, 17,
     false},
    {GroupBox8, Host::Page3, Count, WC_BUTTONW, "デスクトップ上の動作(&D)", Frame, 4, 55, 368, 110,
     false},
    {CheckBox5, Host::Page3, GroupBox8, WC_BUTTONW, "クリックを透過(&K)", Check, 8, 20, 350, 17,
     true},
    {Label8, Host::Page3, GroupBox8, WC_STATICW,
     "半透明のとき、クリックが下のウィンドウに届きます。Ctrl+Alt+F12 でいつでも切り替えられます。",
     Caption, 26, 39, 332, 26, false},
    {CheckBox7, Host::Page3, GroupBox8, WC_BUTTONW, "ポイントすると不透明(&W)", Check, 8, 67, 350,
     17, true},
    {CheckBox6, Host::Page3, GroupBox8, WC_BUTTONW, "全画面表示中は隠す(&U)", Check, 8, 87, 350, 17,
     true},

    {BitBtn1, Host::Dialog, Count, WC_BUTTONW, "&OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 51,
     309 + 7, 113, 29, true},
    {BitBtn2, Host::Dialog, Count, WC_BUTTONW, "キャンセル", Push, 211, 309 + 7, 114, 29, true},
}};

// Each control sits at its identifier's index, so that the table's order is
// the creation and tab order that ControlId lists.
constexpr bool RowsInIdOrder() {
    for (std::size_t i = 0; i < Controls.size(); ++i) {
        if (static_cast<std::size_t>(Controls[i].id) != i)
            return false;
    }
    return true;
}
static_assert(RowsInIdOrder());

// Identifiers of the ordinary controls start above the dialog's own ones.
constexpr int FirstCommandId = 1000;

} // namespace

std::span<const ControlSpec> SettingsDialogControls() {
    return Controls;
}

const ControlSpec& SpecOf(ControlId id) {
    return Controls[static_cast<std::size_t>(id)];
}

int CommandIdOf(ControlId id) {
    if (id == BitBtn1)
        return IDOK;
    if (id == BitBtn2)
        return IDCANCEL;
    return FirstCommandId + static_cast<int>(id);
}

ControlId ControlOfCommand(int commandId) {
    if (commandId == IDOK)
        return BitBtn1;
    if (commandId == IDCANCEL)
        return BitBtn2;
    const int index = commandId - FirstCommandId;
    if (index < 0 || index >= static_cast<int>(ControlCount))
        return Count;
    return static_cast<ControlId>(index);
}

} // namespace velmora
