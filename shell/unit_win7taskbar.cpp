#include "shell/unit_win7taskbar.h"

#include <cwchar>
#include <iterator>
#include <string>

namespace velmora {

namespace {

// {56FDF344-FD6D-11D0-958A-006097C9A090}
constexpr CLSID TaskbarListClass = {
    0x56FDF344, 0xFD6D, 0x11D0, {0x95, 0x8A, 0x00, 0x60, 0x97, 0xC9, 0xA0, 0x90}};
// {EA1AFB91-9E28-4B86-90E9-9E9F8A5EEFAF}
constexpr IID TaskbarList3Interface = {
    0xEA1AFB91, 0x9E28, 0x4B86, {0x90, 0xE9, 0x9E, 0x9F, 0x8A, 0x5E, 0xEF, 0xAF}};

TBPFLAG FlagOfKind(ProgressKind kind) {
    switch (kind) {
    case ProgressKind::Indeterminate:
        return TBPF_INDETERMINATE;
    case ProgressKind::Normal:
        return TBPF_NORMAL;
    case ProgressKind::Error:
        return TBPF_ERROR;
    case ProgressKind::Paused:
        return TBPF_PAUSED;
    default:
        return TBPF_NOPROGRESS;
    }
}

// "{56FDF344-FD6D-11D0-958A-006097C9A090}" without ole32, which loads only
// once the bar is made.
std::wstring RegistryText(const GUID& id) {
    wchar_t text[39]{};
    std::swprintf(text, std::size(text), L"{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned long>(id.Data1), unsigned{id.Data2}, unsigned{id.Data3},
                  unsigned{id.Data4[0]}, unsigned{id.Data4[1]}, unsigned{id.Data4[2]},
                  unsigned{id.Data4[3]}, unsigned{id.Data4[4]}, unsigned{id.Data4[5]},
                  unsigned{id.Data4[6]}, unsigned{id.Data4[7]});
    return text;
}

} // namespace

bool TaskbarListRegistered() {
    const std::wstring key = L"CLSID\\" + RegistryText(TaskbarListClass) + L"\\InProcServer32";
    return RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_ANY, nullptr, nullptr,
                        nullptr) == ERROR_SUCCESS;
}

bool Win7Taskbar::TaskbarProgressInit() noexcept {
    if (taskbar_)
        return true;
    // Without a taskbar to talk to (no shell running, say) the bar is simply absent.
    try {
        ComPtr<IUnknown> object;
        const HRESULT created =
            CoCreateInstance(TaskbarListClass, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                             __uuidof(IUnknown), reinterpret_cast<void**>(object.put()));
        if (FAILED(created) || !object)
            return false;
        ComPtr<ITaskbarList3> list = object.As<ITaskbarList3>(TaskbarList3Interface);
        if (!list || list->HrInit() != S_OK)
            return false;
        taskbar_ = std::move(list);
    } catch (...) {
        return false;
    }
    return true;
}

bool Win7Taskbar::TaskbarProgressSetState(ProgressKind kind) noexcept {
    if (!taskbar_)
        return false;
    return taskbar_->SetProgressState(owner_, FlagOfKind(kind)) == S_OK;
}

bool Win7Taskbar::TaskbarProgressSetValue(std::uint64_t completed, std::uint64_t total) noexcept {
    if (!taskbar_)
        return false;
    return taskbar_->SetProgressValue(owner_, completed, total) == S_OK;
}

} // namespace velmora
