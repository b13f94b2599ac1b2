// After the start-up restriction a DLL is no longer found in the current
// folder by its bare name, so a planted copy cannot be picked up.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

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

    HMODULE before = LoadLibraryW(L"velmoraplanted.dll");
    EXPECT_NE(before, nullptr) << "the usual search finds the current folder";
    if (before)
        FreeLibrary(before);

    RestrictDllSearchToSystem32();
    HMODULE after = LoadLibraryW(L"velmoraplanted.dll");
    EXPECT_EQ(after, nullptr);
    if (after)
        FreeLibrary(after);
    // System DLLs still load by name.
    HMODULE systemDll = LoadLibraryW(L"version.dll");
    EXPECT_NE(systemDll, nullptr);
    if (systemDll)
        FreeLibrary(systemDll);

    SetCurrentDirectoryW(previous);
    DeleteFileW(planted.c_str());
    RemoveDirectoryW(folder.c_str());
}

} // namespace
} // namespace velmora
