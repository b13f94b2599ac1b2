#pragma once
// The settings dialog's controls as data: kind, caption, style and place at
// 96 dots per inch, in creation order, which is also the tab order.
#include <windows.h>

#include <cstddef>
#include <span>

namespace velmora {

enum class ControlId : int {
    PageControl1,
    // Tab "データ設定".
    GroupBox1,
    LabeledEdit1Label,
    LabeledEdit1,
    Label6,
    ComboBox14,
    Label1,
    ComboBox1,
    ComboBox13,
    ComboBox11,
    ComboBox12,
    GroupBox2,
    LabeledEdit2Label,
    LabeledEdit2,
    Label7,
    ComboBox24,
    Label2,
    ComboBox2,
    ComboBox23,
    ComboBox21,
    ComboBox22,
    GroupBox6,
    CheckBox3,
    Button1,
    CheckBox4,
    Button2,
    // Tab "表示設定".
    RadioGroup1,
    RadioGroup1Item0,
    RadioGroup1Item1,
    RadioGroup1Item2,
    GroupBox7,
    SwingBlink2,
    GroupBox3,
    CheckBox1,
    Label3,
    TrackBar1,
    CheckBox2,
    GroupBox4,
    RadioButton1,
    RadioButton2,
    RadioButton3,
    RadioButton4,
    RadioButton5,
    Edit1,
    GroupBox5,
    ComboBox3,
    RadioButton6,
    RadioButton7,
    RadioButton8,
    Label4,
    DateTimePicker1,
    Label5,
    DateTimePicker2,
    // Tab "デスクトップ設定".
    RadioGroup2,
    RadioGroup2Item0,
    RadioGroup2Item1,
    RadioGroup2Item2,
    GroupBox8,
    CheckBox5,
    Label8,
    CheckBox7,
    CheckBox6,
    // Bottom panel.
    BitBtn1,
    BitBtn2,
    Count
};

constexpr std::size_t ControlCount = static_cast<std::size_t>(ControlId::Count);

// Where a control lives: on the dialog itself or on one of the two tabs.
enum class Host { Dialog, Page1, Page2, Page3 };
constexpr std::size_t PageCount = 3;

struct ControlSpec {
    ControlId id;
    Host host;
    ControlId frame; // the frame its position is relative to; Count for none
    const wchar_t* className;
    const char* caption; // code page 932
    DWORD style;         // besides WS_CHILD | WS_VISIBLE
    int x, y, width, height;
    bool handCursor;
};

std::span<const ControlSpec> SettingsDialogControls();
const ControlSpec& SpecOf(ControlId id);

// The command identifier of a control; OK and Cancel keep IDOK and IDCANCEL.
int CommandIdOf(ControlId id);
// The control of a command identifier; Count when none.
ControlId ControlOfCommand(int commandId);

// Client size at 96 dots per inch, and the bottom panel's height.
constexpr int DialogClientWidth = 383;
constexpr int DialogClientHeight = 352;
constexpr int BottomPanelHeight = 43;
constexpr int TabWidth = 120;
// The time-zone lists drop down wider than they are, for the zones' long names.
constexpr int ZoneListDropWidth = 360;

} // namespace velmora
