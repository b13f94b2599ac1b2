// The taskbar wrapper against the platform's taskbar list.
#include <windows.h>

#include <gtest/gtest.h>

#include "shell/unit_win7taskbar.h"

namespace velmora {
namespace {

class TaskbarWinTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        // A message-only window: hidden, and it needs no display.
        window = CreateWindowExW(0, L"STATIC", L"Velmora", WS_OVERLAPPED, 0, 0, 100, 100,
                                 HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        if (window)
            DestroyWindow(window);
        CoUninitialize();
    }

    HWND window = nullptr;
};

TEST_F(TaskbarWinTest, SettersDoNothingBeforeInit) {
    Win7Taskbar taskbar(window);
    EXPECT_FALSE(taskbar.TaskbarProgressAvailable());
    EXPECT_FALSE(taskbar.TaskbarProgressSetState(ProgressNormal));
    EXPECT_FALSE(taskbar.TaskbarProgressSetValue(1, 2));
}

TEST_F(TaskbarWinTest, InitOnceThenSetStateAndValue) {
    {
        Win7Taskbar taskbar(window);
        ASSERT_TRUE(taskbar.TaskbarProgressInit());
        EXPECT_TRUE(taskbar.TaskbarProgressInit());
        EXPECT_TRUE(taskbar.Available());
        const int kinds[] = {ProgressNormal,        ProgressPaused, ProgressError,
                             ProgressIndeterminate, ProgressNone,   17};
        for (int kind : kinds)
            EXPECT_TRUE(taskbar.SetState(kind)) << kind;
        EXPECT_TRUE(taskbar.SetValue(270, 480));
        EXPECT_TRUE(taskbar.SetValue(0, 2147483647));
    } // the reference is released here, before COM goes
}

} // namespace
} // namespace velmora
