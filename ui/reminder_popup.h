#pragma once
// A reminder shown: a small window of its own that stays on top beside the
// clock, with the clock's name and time, the message, and "あとで (5分)" and
// "閉じる". Not the shell's notification: that needs an icon in the
// notification area, Windows may hold it back (focus assist), and it offers
// no snooze button.
#include <windows.h>

#include <functional>
#include <string>

#include "engine/unique_handle_win.h"
#include "ui/theme_win.h"

namespace velmora {

class ReminderPopup {
  public:
    enum class Answer { Snooze, Close };
    using Answered = std::function<void(Answer)>;

    ReminderPopup() = default;
    ~ReminderPopup();
    ReminderPopup(const ReminderPopup&) = delete;
    ReminderPopup& operator=(const ReminderPopup&) = delete;

    // `beside`: the clock's window rectangle; `row` stacks popups shown at once.
    void Show(const RECT& beside, int row, UINT dpi, std::wstring heading, std::wstring message,
              const Palette& palette, Answered answered);
    HWND Handle() const { return window_; }
    bool Open() const { return window_ != nullptr; }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void Reply(Answer answer);
    int Scale(int pixels) const { return MulDiv(pixels, static_cast<int>(dpi_), 96); }

    HWND window_ = nullptr;
    UINT dpi_ = 96;
    std::wstring heading_;
    std::wstring message_;
    Palette palette_;
    Answered answered_;
    UniqueFont font_;
};

} // namespace velmora
