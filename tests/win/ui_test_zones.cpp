// The main window with clocks on time zones: the labels and the caption
// show the zone's time from the set clock's UTC, and writing keeps the zone
// with the offset nearest to it now.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/win/form_probe.h"
#include "ui_test_support.h"

namespace velmora {
namespace {

using namespace testing;

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != text.npos;
}

class ZoneFormTest : public ::testing::Test, public FormFixture {
  protected:
    Text Label(int index) const { return WindowText(FormProbe(*form).Label(index).Handle()); }
};

// The computer is on Tokyo time: 2024-03-05 12:34:57 there is 03:34:57 UTC.
TEST_F(ZoneFormTest, ZoneSidesShowTheZonesTimeAndWriteTheNearestOffset) {
    const std::string patterns = "DateIndex1=21\r\nTimeIndex1=3\r\nLocaleID1=1033\r\n"
                                 "DateIndex2=21\r\nTimeIndex2=3\r\nLocaleID2=1033\r\n";
    const struct {
        const char* data;
        const char *left, *right, *caption;
        const char *written1, *written2;
    } cases[] = {
        // Central is on standard time until 10 March 2024.
        {"DiffIndex2=47\r\nTimeZone2=Central Standard Time\r\n", "2024/03/05(Tue) 06:34",
         "2024/03/04(Mon) 21:34", "3/4 21:34 ヒューストン", "DiffIndex1=59\r\n",
         "DiffIndex2=77\r\nDateIndex2=21\r\nTimeIndex2=3\r\nLocaleID2=1033\r\n"
         "TimeZone2=Central Standard Time\r\n"},
        // 45 and 30 minutes past the offsets' half hours.
        {"DiffIndex1=0\r\nTimeZone1=Nepal Standard Time\r\n"
         "DiffIndex2=0\r\nTimeZone2=India Standard Time\r\n",
         "2024/03/05(Tue) 09:19", "2024/03/05(Tue) 09:04", "3/5 09:04 ヒューストン",
         "DiffIndex1=53\r\nDateIndex1=21\r\nTimeIndex1=3\r\nLocaleID1=1033\r\n"
         "TimeZone1=Nepal Standard Time\r\n",
         "DiffIndex2=54\r\nDateIndex2=21\r\nTimeIndex2=3\r\nLocaleID2=1033\r\n"
         "TimeZone2=India Standard Time\r\n"},
        // A zone from another computer: the stored offset, and both are kept.
        {"DiffIndex1=50\r\nTimeZone1=Atlantis Standard Time\r\n", "2024/03/05(Tue) 11:04",
         "2024/03/04(Mon) 21:34", "3/4 21:34 ヒューストン",
         "DiffIndex1=50\r\nDateIndex1=21\r\nTimeIndex1=3\r\nLocaleID1=1033\r\n"
         "TimeZone1=Atlantis Standard Time\r\n",
         "DiffIndex2=77\r\nDateIndex2=21\r\nTimeIndex2=3\r\nLocaleID2=1033\r\n\r\n[MODE]"},
    };
    for (const auto& c : cases) {
        files.files.erase("C:\\out.dat");
        Start("[DATA]\r\n" + patterns + c.data + "[MODE]\r\nTitleMode=4\r\n");
        EXPECT_EQ(Label(0) + " " + Label(1), c.left) << c.data;
        EXPECT_EQ(Label(2) + " " + Label(3), c.right) << c.data;
        EXPECT_EQ(WindowText(form->Handle()), c.caption) << c.data;
        form->WriteSettings("C:\\out.dat");
        const std::string& written = files.files["C:\\out.dat"];
        for (const char* part : {c.written1, c.written2})
            EXPECT_TRUE(Has(written, part)) << part << "\n---\n" << written;
        EXPECT_TRUE(errors.messages.empty());
    }
}

TEST_F(ZoneFormTest, ChoosingAZoneInTheDialogMovesTheClockAndBackToTheOffset) {
    Start("[DATA]\r\nDateIndex2=20\r\nTimeIndex2=3\r\nDiffIndex2=47\r\n");
    EXPECT_EQ(Label(2) + " " + Label(3), "2024/03/05 12:34");

    const std::vector<TimeZoneEntry> list = zones.Zones();
    const auto central = std::find_if(list.begin(), list.end(), [](const TimeZoneEntry& zone) {
        return zone.KeyName == "Central Standard Time";
    });
    ASSERT_NE(central, list.end());
    const HWND zoneList = FormProbe::SettingsDialog(*form).Control(ControlId::ComboBox24);
    const auto choose = [&](int entry, int command) {
        PostMessageW(zoneList, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
        PostMessageW(GetParent(zoneList), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(zoneList), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(zoneList));
        PostMessageW(FormProbe::SettingsDialog(*form).Handle(), WM_COMMAND, command, 0);
        form->Setting1Click();
        form->Timer1Timer();
    };

    choose(1 + static_cast<int>(central - list.begin()), IDOK);
    EXPECT_EQ(FormProbe(*form).Side(1).TimeZone, "Central Standard Time");
    EXPECT_EQ(Label(2) + " " + Label(3), "2024/03/04 21:34");

    choose(0, IDCANCEL); // "固定の時差", cancelled
    EXPECT_EQ(FormProbe(*form).Side(1).TimeZone, "Central Standard Time");

    // Back to the fixed offset: the offset list held the zone's offset.
    choose(0, IDOK);
    EXPECT_EQ(FormProbe(*form).Side(1).TimeZone, "");
    EXPECT_EQ(FormProbe(*form).Side(1).DiffIndex, 77);
    EXPECT_EQ(Label(2) + " " + Label(3), "2024/03/04 21:34");
    form->WriteSettings("C:\\out.dat");
    EXPECT_FALSE(Has(files.files["C:\\out.dat"], "TimeZone"));
}

} // namespace
} // namespace velmora
