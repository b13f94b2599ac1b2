#pragma once
// Move-only owners for the Windows handles the clock holds, COM pointers and
// COM on a thread, so that nothing leaks in a clock that runs for months.
#include <objbase.h>
#include <unknwn.h>
#include <windows.h>

#include <utility>

namespace velmora {

// Owns one handle. The traits name its type, the value an empty owner holds,
// which values are no handle at all, and how a handle is freed.
template <typename Traits> class UniqueHandle {
  public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return !Traits::IsEmpty(handle_); }
    Handle release() { return std::exchange(handle_, Traits::Empty()); }
    void reset(Handle handle = Traits::Empty()) {
        const Handle old = std::exchange(handle_, handle);
        if (!Traits::IsEmpty(old))
            Traits::Free(old);
    }
    // For functions that hand out a new handle through a pointer; the one
    // held is freed first.
    Handle* put() {
        reset();
        return &handle_;
    }

  private:
    Handle handle_ = Traits::Empty();
};

// Most kinds of handle: null is the only empty value.
template <typename H, auto Close> struct NullEmptyTraits {
    using Handle = H;
    static Handle Empty() { return nullptr; }
    static bool IsEmpty(Handle handle) { return handle == nullptr; }
    static void Free(Handle handle) { Close(handle); }
};

// Kernel handles: some functions fail with null, others (CreateFileW,
// FindFirstFileW, CreateToolhelp32Snapshot) with INVALID_HANDLE_VALUE, so
// both are empty. An empty owner holds null, which no wait mistakes for the
// current process as it would INVALID_HANDLE_VALUE.
template <auto Close> struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Empty() { return nullptr; }
    static bool IsEmpty(Handle handle) {
        return handle == nullptr || handle == INVALID_HANDLE_VALUE;
    }
    static void Free(Handle handle) { Close(handle); }
};

// Files and searches: empty holds INVALID_HANDLE_VALUE, as their functions answer.
template <auto Close> struct FileHandleTraits : KernelHandleTraits<Close> {
    static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
};

using UniqueKernelHandle = UniqueHandle<KernelHandleTraits<&CloseHandle>>;
using UniqueFile = UniqueHandle<FileHandleTraits<&CloseHandle>>;
using UniqueFind = UniqueHandle<FileHandleTraits<&FindClose>>;
using UniqueKey = UniqueHandle<NullEmptyTraits<HKEY, &RegCloseKey>>;
using UniqueModule = UniqueHandle<NullEmptyTraits<HMODULE, &FreeLibrary>>;
using UniqueMenu = UniqueHandle<NullEmptyTraits<HMENU, &DestroyMenu>>;
using UniqueIcon = UniqueHandle<NullEmptyTraits<HICON, &DestroyIcon>>;
using UniqueHook = UniqueHandle<NullEmptyTraits<HHOOK, &UnhookWindowsHookEx>>;
using UniqueFont = UniqueHandle<NullEmptyTraits<HFONT, &DeleteObject>>;
using UniqueBitmap = UniqueHandle<NullEmptyTraits<HBITMAP, &DeleteObject>>;
using UniqueBrush = UniqueHandle<NullEmptyTraits<HBRUSH, &DeleteObject>>;
using UniqueMemoryDc = UniqueHandle<NullEmptyTraits<HDC, &DeleteDC>>;
// Memory the system allocated for the caller with LocalAlloc.
template <typename T> using UniqueLocal = UniqueHandle<NullEmptyTraits<T*, &LocalFree>>;

// A window's device context: released to the window it came from.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a DC for one scope and puts the old one back.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() { SelectObject(dc_, old_); }

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// A single-threaded COM apartment on this thread for one scope. Every
// successful initialisation, S_FALSE (already initialised) included, is
// balanced by one uninitialisation; a failed one by none.
class ComApartment {
  public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    explicit operator bool() const { return SUCCEEDED(result_); }

  private:
    HRESULT result_;
};

// Owns one reference to a COM interface.
template <typename Interface> class ComPtr {
  public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        reset();
        ptr_ = std::exchange(other.ptr_, nullptr);
        return *this;
    }
    ~ComPtr() { reset(); }

    Interface* get() const { return ptr_; }
    Interface* operator->() const { return ptr_; }
    explicit operator bool() const { return ptr_ != nullptr; }
    // For functions that hand out a new reference.
    Interface** put() {
        reset();
        return &ptr_;
    }
    void reset() {
        if (ptr_)
            std::exchange(ptr_, nullptr)->Release();
    }
    template <typename Other> ComPtr<Other> As(REFIID iid) const {
        ComPtr<Other> other;
        if (ptr_)
            ptr_->QueryInterface(iid, reinterpret_cast<void**>(other.put()));
        return other;
    }

  private:
    Interface* ptr_ = nullptr;
};

} // namespace velmora
