// After the start-up restriction a DLL is no longer found in the current
// folder by its bare name, so a planted copy cannot be picked up.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "engine/unique_handle_win.h"
#include "shell/dll_search.h"

namespace velmora {
namespace {

std::wstring TempFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"velmora_dll_search_test";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

TEST(DllSearchTest, ABareNameIsNoLongerFoundInTheCurrentFolder) {
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring folder = TempFolder();
    const std::wstring planted = folder + L"\\velmoraplanted.dll";
    ASSERT_TRUE(
        CopyFileW((std::wstring(system) + L"\\msimg32.dll").c_str(), planted.c_str(), FALSE));

    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryW(folder.c_str()));

    EXPECT_TRUE(UniqueModule(LoadLibraryW(L"velmoraplanted.dll")))
        << "the usual search finds the current folder";
    RestrictDllSearchToSystem32();
    EXPECT_FALSE(UniqueModule(LoadLibraryW(L"velmoraplanted.dll")));
    // System DLLs still load by name.
    EXPECT_TRUE(UniqueModule(LoadLibraryW(L"version.dll")));

    SetCurrentDirectoryW(previous);
    DeleteFileW(planted.c_str());
    RemoveDirectoryW(folder.c_str());
}

} // namespace
} // namespace velmora
