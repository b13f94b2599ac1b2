// The taskbar wrapper against the platform's taskbar list.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <thread>
#include <utility>
#include <vector>

#include "engine/unique_handle_win.h"
#include "shell/unit_win7taskbar.h"

namespace velmora {
namespace {

class TaskbarWinTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(com);
        // A message-only window: hidden, and it needs no display.
        window = CreateWindowExW(0, L"STATIC", L"Velmora", WS_OVERLAPPED, 0, 0, 100, 100,
                                 HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        if (window)
            DestroyWindow(window);
    }

    ComApartment com;
    HWND window = nullptr;
};

TEST_F(TaskbarWinTest, SettersDoNothingBeforeInit) {
    Win7Taskbar taskbar(window);
    EXPECT_FALSE(taskbar.TaskbarProgressAvailable());
    EXPECT_FALSE(taskbar.TaskbarProgressSetState(ProgressKind::Normal));
    EXPECT_FALSE(taskbar.TaskbarProgressSetValue(1, 2));
}

// Stands in for the shell's taskbar list while registered, and records the
// states and values the wrapper hands it.
class RecordingTaskbarList final : public ITaskbarList3, public IClassFactory {
  public:
    std::set<HWND> windows;
    std::vector<TBPFLAG> states;
    std::vector<std::pair<ULONGLONG, ULONGLONG>> values;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        *out = nullptr;
        if (iid == IID_IClassFactory)
            *out = static_cast<IClassFactory*>(this);
        else if (iid == IID_IUnknown || iid == IID_ITaskbarList || iid == IID_ITaskbarList2 ||
                 iid == IID_ITaskbarList3)
            *out = static_cast<ITaskbarList3*>(this);
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; } // lives on the test's stack
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID iid, void** out) override {
        return QueryInterface(iid, out);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE HrInit() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetProgressState(HWND window, TBPFLAG flag) override {
        windows.insert(window);
        states.push_back(flag);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetProgressValue(HWND window, ULONGLONG done,
                                               ULONGLONG total) override {
        windows.insert(window);
        values.emplace_back(done, total);
        return S_OK;
    }
    // Nothing else is the wrapper's to call.
    HRESULT STDMETHODCALLTYPE AddTab(HWND) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeleteTab(HWND) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ActivateTab(HWND) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetActiveAlt(HWND) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE MarkFullscreenWindow(HWND, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RegisterTab(HWND, HWND) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE UnregisterTab(HWND) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetTabOrder(HWND, HWND) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetTabActive(HWND, HWND, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ThumbBarAddButtons(HWND, UINT, LPTHUMBBUTTON) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ThumbBarUpdateButtons(HWND, UINT, LPTHUMBBUTTON) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE ThumbBarSetImageList(HWND, HIMAGELIST) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetOverlayIcon(HWND, HICON, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetThumbnailTooltip(HWND, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetThumbnailClip(HWND, RECT*) override { return E_NOTIMPL; }
};

TEST_F(TaskbarWinTest, InitOnceThenEachStateAndValueGoesToTheOwnersButton) {
    RecordingTaskbarList list;
    DWORD cookie = 0;
    ASSERT_EQ(CoRegisterClassObject(CLSID_TaskbarList, static_cast<IClassFactory*>(&list),
                                    CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie),
              S_OK);
    {
        Win7Taskbar taskbar(window);
        ASSERT_TRUE(taskbar.TaskbarProgressInit());
        EXPECT_TRUE(taskbar.TaskbarProgressInit());
        EXPECT_TRUE(taskbar.Available());
        const ProgressKind kinds[] = {ProgressKind::Normal, ProgressKind::Paused,
                                      ProgressKind::Error,  ProgressKind::Indeterminate,
                                      ProgressKind::None,   ProgressKind(17)};
        for (ProgressKind kind : kinds)
            EXPECT_TRUE(taskbar.SetState(kind)) << int(kind);
        EXPECT_TRUE(taskbar.SetValue(270, 480));
        EXPECT_TRUE(taskbar.SetValue(0, 2147483647));
    } // the reference is released here, before COM goes
    CoRevokeClassObject(cookie);
    EXPECT_EQ(list.windows, std::set<HWND>{window});
    // An unknown kind takes the bar away.
    EXPECT_EQ(list.states,
              (std::vector<TBPFLAG>{TBPF_NORMAL, TBPF_PAUSED, TBPF_ERROR, TBPF_INDETERMINATE,
                                    TBPF_NOPROGRESS, TBPF_NOPROGRESS}));
    EXPECT_EQ(list.values,
              (std::vector<std::pair<ULONGLONG, ULONGLONG>>{{270, 480}, {0, 2147483647}}));
}

// The clock may make its taskbar object before it starts COM for its
// dialogs: the object brings an apartment of its own and gives it back.
TEST(TaskbarWithoutComTest, WorksOnAThreadWithoutComAndLeavesNoApartment) {
    std::thread([] {
        const HWND window = CreateWindowExW(0, L"STATIC", L"Velmora", WS_OVERLAPPED, 0, 0, 100, 100,
                                            HWND_MESSAGE, nullptr, nullptr, nullptr);
        RecordingTaskbarList list;
        {
            Win7Taskbar taskbar(window);
            DWORD cookie = 0;
            ASSERT_EQ(CoRegisterClassObject(CLSID_TaskbarList, static_cast<IClassFactory*>(&list),
                                            CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie),
                      S_OK);
            EXPECT_TRUE(taskbar.TaskbarProgressInit());
            EXPECT_TRUE(taskbar.SetState(ProgressKind::Normal));
            CoRevokeClassObject(cookie);
        }
        EXPECT_EQ(list.states, std::vector<TBPFLAG>{TBPF_NORMAL});
        // S_OK, not S_FALSE: the thread has no apartment left.
        const HRESULT again = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        EXPECT_EQ(again, S_OK);
        if (SUCCEEDED(again))
            CoUninitialize();
        DestroyWindow(window);
    }).join();
}

} // namespace
} // namespace velmora
