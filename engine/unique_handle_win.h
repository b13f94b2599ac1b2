#pragma once
// Move-only owners for Windows handles and COM pointers, so that nothing
// leaks in a clock that runs for months.
#include <unknwn.h>
#include <windows.h>

#include <utility>

namespace velmora {

// Owns a handle and frees it with Close::Free; `Invalid` is the empty value.
template <typename Handle, typename Close, Handle Invalid = Handle{}> class UniqueHandle {
  public:
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
    explicit operator bool() const { return handle_ != Invalid; }
    Handle release() { return std::exchange(handle_, Invalid); }
    void reset(Handle handle = Invalid) {
        if (handle_ != Invalid)
            Close::Free(handle_);
        handle_ = handle;
    }

  private:
    Handle handle_ = Invalid;
};

struct GdiObjectClose {
    static void Free(HGDIOBJ h) { DeleteObject(h); }
};
struct FontClose {
    static void Free(HFONT h) { DeleteObject(h); }
};
struct MemoryDcClose {
    static void Free(HDC h) { DeleteDC(h); }
};
struct KeyClose {
    static void Free(HKEY h) { RegCloseKey(h); }
};
struct KernelHandleClose {
    static void Free(HANDLE h) { CloseHandle(h); }
};

using UniqueFont = UniqueHandle<HFONT, FontClose>;
using UniqueMemoryDc = UniqueHandle<HDC, MemoryDcClose>;
using UniqueKey = UniqueHandle<HKEY, KeyClose>;
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleClose>;

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
