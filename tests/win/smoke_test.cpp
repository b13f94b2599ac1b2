// Checks that the test executables really run under Wine with the prefix's
// Japanese locale; every other Windows test relies on it.
#include <windows.h>

#include <gtest/gtest.h>

TEST(WinePrefix, HasJapaneseLocaleAndCodePage932) {
    EXPECT_EQ(GetThreadLocale(), 1041u);
    EXPECT_EQ(GetACP(), 932u);
    EXPECT_NE(GetSystemMetrics(SM_DBCSENABLED), 0);
}
