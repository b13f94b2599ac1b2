#include "ui/modal_loop.h"

namespace velmora {

void RunModalLoop(HWND dialog, const int& result) {
    MSG message{};
    while (result == 0) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam)); // for the outer loop
            return;
        }
        if (!IsDialogMessageW(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

} // namespace velmora
