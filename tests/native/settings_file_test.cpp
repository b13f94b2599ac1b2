#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include "memory_file_system.h"
#include "settings/file_error.h"
#include "settings_test_support.h"

namespace velmora {
namespace {

using testing::FixedExecutable;
using testing::FixedWindow;
using testing::MemoryFileSystem;

TEST(SettingsFile, AMissingFileLoadsEmpty) {
    MemoryFileSystem files;
    EXPECT_TRUE(LoadSettingsDocument(files, "C:\\none.ini").Sections().empty());
}

TEST(SettingsFile, WritingKeepsTheOldFilesForeignPartsAndReadsBack) {
    MemoryFileSystem files;
    files.files["a.dat"] = "[USER]\r\nX=1\r\n[MODE]\r\nTitleMode=3\r\n";
    Settings s = ReadSettingsDocument(LoadSettingsDocument(files, "a.dat"), FixedWindow()).settings;
    EXPECT_EQ(s.titleMode, 3);
    s.titleMode = 4;
    WriteSettingsFile(files, "a.dat", s, FixedExecutable());
    const std::string& written = files.files["a.dat"];
    EXPECT_EQ(written.rfind("[USER]\r\nX=1\r\n\r\n[PROGRAM]\r\n", 0), 0u) << written;
    EXPECT_EQ(ReadSettingsDocument(LoadSettingsDocument(files, "a.dat"), FixedWindow()).settings,
              s);
}

TEST(SettingsFile, ErrorsCarryTheirMessagesAndLeaveTheFileAlone) {
    MemoryFileSystem files;
    files.files["locked.ini"] = "[MODE]\r\nTitleMode=3\r\n";
    files.unreadable.insert("locked.ini");
    const Settings s = ReadSettingsDocument({}, FixedWindow()).settings;
    try {
        WriteSettingsFile(files, "locked.ini", s, FixedExecutable());
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_EQ(Text(e.what()), "ファイル \"locked.ini\" は開けません。denied");
    }
    EXPECT_EQ(files.files["locked.ini"], "[MODE]\r\nTitleMode=3\r\n");

    files.unwritable.insert("ro.ini");
    try {
        WriteSettingsFile(files, "ro.ini", s, FixedExecutable());
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_EQ(Text(e.what()), "ファイル \"ro.ini\" を作成できません。denied");
    }
    EXPECT_FALSE(files.files.contains("ro.ini"));
}

} // namespace
} // namespace velmora
