// Pictures of windows drawn through WM_PRINT, saved as bitmap files.
#include "tests/win/window_picture.h"

#include <commctrl.h>

#include <cstdint>
#include <vector>

#include "engine/unique_handle_win.h"

namespace velmora::testing {
namespace {

// Draws a window and then its visible children into `target`, each at its
// place relative to `origin`, from the bottom of the Z order up. Reading the
// screen back does not give the controls' pixels on every system, and
// PrintWindow leaves the children out on some. Each window draws into a
// picture of its own at the origin, since controls clip to their client
// rectangle in device units; what a window leaves undrawn stays see-through.
void PrintTree(HWND window, HDC target, POINT origin) {
    constexpr COLORREF SeeThrough = RGB(1, 2, 3);
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    {
        UniqueMemoryDc dc(CreateCompatibleDC(target));
        UniqueBitmap bitmap(CreateCompatibleBitmap(target, width, height));
        SelectedObject selected(dc.get(), bitmap.get());
        UniqueBrush key(CreateSolidBrush(SeeThrough));
        const RECT all{0, 0, width, height};
        FillRect(dc.get(), &all, key.get());
        // A frame's background would cover what it holds.
        wchar_t className[16]{};
        GetClassNameW(window, className, 16);
        const bool frame = lstrcmpiW(className, WC_BUTTONW) == 0 &&
                           (GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
        SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc.get()),
                     PRF_CLIENT | PRF_NONCLIENT | (frame ? 0 : PRF_ERASEBKGND));
        TransparentBlt(target, origin.x, origin.y, width, height, dc.get(), 0, 0, width, height,
                       SeeThrough);
    }
    for (HWND child = GetWindow(GetWindow(window, GW_CHILD), GW_HWNDLAST); child;
         child = GetWindow(child, GW_HWNDPREV)) {
        if (!IsWindowVisible(child))
            continue;
        RECT place{};
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
        PrintTree(child, target, POINT{origin.x + place.left, origin.y + place.top});
    }
}

} // namespace

bool SaveWindowPicture(HWND window, const std::wstring& fileName) {
    RECT client{};
    GetClientRect(window, &client);
    const int width = client.right;
    const int height = client.bottom;

    WindowDc screen(window);
    UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    {
        SelectedObject selected(memory.get(), bitmap.get());
        PrintTree(window, memory.get(), POINT{0, 0});
    }

    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 4);
    if (!GetDIBits(memory.get(), bitmap.get(), 0, height, pixels.data(),
                   reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS))
        return false;

    BITMAPFILEHEADER head{};
    head.bfType = 0x4D42; // "BM"
    head.bfOffBits = sizeof head + sizeof info;
    head.bfSize = head.bfOffBits + static_cast<DWORD>(pixels.size());
    const UniqueFile file(CreateFileW(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    bool ok = WriteFile(file.get(), &head, sizeof head, &written, nullptr);
    ok = ok && WriteFile(file.get(), &info, sizeof info, &written, nullptr);
    ok = ok &&
         WriteFile(file.get(), pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
    return ok;
}

} // namespace velmora::testing
