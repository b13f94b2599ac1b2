#pragma once
// What the tests read of the main window and the settings dialog. The
// windows keep these parts private; the probes reach them as friends.
#include "ui/main_form.h"
#include "ui/settings_dialog.h"

namespace velmora {

class FormProbe {
  public:
    explicit FormProbe(const TForm1& form) : form_(form) {}

    const Text& CurrentFileName() const { return form_.currentFileName_; }
    bool ResizeArmed() const { return form_.resizeArmed_; }
    bool TaskbarReady() const { return form_.taskbarReady_; }
    const ClockSide& Side(int index) const {
        return form_.state_.Sides[static_cast<std::size_t>(index)];
    }
    // 0 Label1, 1 Label11, 2 Label2, 3 Label21.
    const ClockLabel& Label(int index) const {
        return *form_.labelOrder_[static_cast<std::size_t>(index)];
    }
    const FrameBox& Frame(int index) const {
        return index == 0 ? form_.groupBox1_ : form_.groupBox2_;
    }
    HWND SplitterHandle() const { return form_.splitter1_.Handle(); }
    const ReminderSettings& Reminder(int slot) const {
        return form_.state_.Reminders[static_cast<std::size_t>(slot)];
    }
    HMENU MainMenu() const { return form_.mainMenu1_.get(); }
    HMENU PopupMenu() const { return form_.popupMenu1_; }
    const Text& InitialDirectory() const { return form_.initialDirectory_; }
    int LabelTop() const { return form_.LabelTop(); }
    static TForm2& SettingsDialog(TForm1& form) { return form.SettingsDialog(); }

  private:
    const TForm1& form_;
};

class DialogProbe {
  public:
    explicit DialogProbe(const TForm2& dialog) : dialog_(dialog) {}

    const FontSettings& LeftFont() const { return dialog_.label11Font_; }
    const FontSettings& RightFont() const { return dialog_.label21Font_; }
    int ActivePage() const { return dialog_.activePage_; }
    std::int32_t LanguageTag(int side) const {
        return dialog_.languageTags_[static_cast<std::size_t>(side)];
    }

  private:
    const TForm2& dialog_;
};

} // namespace velmora
