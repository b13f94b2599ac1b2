#pragma once
// The "リマインダー" dialog: the reminders in a list, the selected one's
// clock, time, days or date, message and sound beside it, and the end of
// working hours and the chime below. It edits a copy; OK checks every
// reminder and gives the copy back, Cancel leaves everything as it was.
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "engine/reminder.h"
#include "engine/unique_handle_win.h"
#include "ui/services.h"

namespace velmora {

struct ReminderDialogState {
    std::array<ReminderSettings, MaxReminders> Reminders;
    ReminderOptions Reminding;
    std::array<Text, 2> ClockNames; // left, right, as the list of clocks shows them
};

enum class ReminderControl : int {
    List,
    Add,
    Remove,
    On,
    ClockLabel,
    Clock,
    TimeLabel,
    Time,
    DaysLabel,
    Day0,
    Day1,
    Day2,
    Day3,
    Day4,
    Day5,
    Day6,
    DateLabel,
    Date,
    MessageLabel,
    Message,
    SoundLabel,
    Sound,
    SoundFile,
    Browse,
    WorkEnd,
    ChimeLabel,
    Chime,
    ChimeClock,
    QuietLabel,
    QuietFrom,
    QuietTill,
    QuietTo,
    Ok,
    Cancel,
    Count
};

class ReminderDialog {
  public:
    ReminderDialog(ErrorReporter& errors, FileDialogs& files) : errors_(errors), files_(files) {}
    ~ReminderDialog();
    ReminderDialog(const ReminderDialog&) = delete;
    ReminderDialog& operator=(const ReminderDialog&) = delete;

    // Made hidden; shown by Execute.
    bool Create(HWND owner);
    bool Execute(ReminderDialogState& state);
    HWND Handle() const { return dialog_; }
    HWND Control(ReminderControl id) const { return controls_[static_cast<std::size_t>(id)]; }

  private:
    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void Command(ReminderControl id, int code);
    void Open(const ReminderDialogState& state);
    void FillList();
    void Select(int slot);
    void LoadEditor();
    void StoreEditor();
    void AddReminder();
    void RemoveReminder();
    void BrowseSound();
    bool Check();
    int Scale(int pixels) const { return MulDiv(pixels, static_cast<int>(dpi_), 96); }

    ErrorReporter& errors_;
    FileDialogs& files_;
    HWND dialog_ = nullptr;
    UINT dpi_ = 96;
    UniqueFont font_;
    std::array<HWND, static_cast<std::size_t>(ReminderControl::Count)> controls_{};
    ReminderDialogState working_;
    // The messages as typed: checked against the file's code page at OK.
    std::array<std::wstring, MaxReminders> messages_;
    std::vector<int> listSlots_; // the slot of each list entry
    int selected_ = -1;
    bool loading_ = false;
    int result_ = 0;
};

} // namespace velmora
