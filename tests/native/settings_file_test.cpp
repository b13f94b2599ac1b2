#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include "memory_file_system.h"
#include "settings/file_error.h"
#include "settings_test_support.h"

namespace velmora {
namespace {

using testing::FixedExecutable;
using testing::FixedWindow;

TEST(SettingsFile, MissingFileLoadsEmptyAndWritingKeepsForeignParts) {
    testing::MemoryFileSystem files;
    EXPECT_TRUE(LoadSettingsDocument(files, "C:\\none.ini").Sections().empty());
    files.files["a.dat"] = "[USER]\r\nX=1\r\n[MODE]\r\nTitleMode=3\r\n";
    Settings s = ReadSettingsDocument(LoadSettingsDocument(files, "a.dat"), FixedWindow()).settings;
    EXPECT_EQ(s.TitleMode, TitleSource::LeftClock);
    s.TitleMode = TitleSource::RightClock;
    WriteSettingsFile(files, "a.dat", s, FixedExecutable());
    EXPECT_EQ(files.files["a.dat"].rfind("[USER]\r\nX=1\r\n\r\n[PROGRAM]\r\n", 0), 0u);
    EXPECT_EQ(ReadSettingsDocument(LoadSettingsDocument(files, "a.dat"), FixedWindow()).settings,
              s);
}

TEST(SettingsFile, ErrorsCarryTheirMessagesAndLeaveTheFileAlone) {
    testing::MemoryFileSystem files;
    files.files["locked.ini"] = "[MODE]\r\nTitleMode=3\r\n";
    files.unreadable.insert("locked.ini");
    files.unwritable.insert("ro.ini");
    const Settings s = ReadSettingsDocument({}, FixedWindow()).settings;
    for (const auto& [path, message] :
         {std::pair{"locked.ini", "ファイル \"locked.ini\" は開けません。denied"},
          std::pair{"ro.ini", "ファイル \"ro.ini\" を作成できません。denied"}}) {
        try {
            WriteSettingsFile(files, path, s, FixedExecutable());
            ADD_FAILURE() << path;
        } catch (const FileError& e) {
            EXPECT_EQ(Text(e.what()), message);
        }
    }
    EXPECT_EQ(files.files["locked.ini"], "[MODE]\r\nTitleMode=3\r\n");
    EXPECT_FALSE(files.files.contains("ro.ini"));
}

} // namespace
} // namespace velmora
