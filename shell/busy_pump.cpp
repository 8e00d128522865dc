#include "shell/busy_pump.h"

#include <chrono>

namespace murkvale {

namespace {

// Enough for everything a moment's queue holds, while a program that floods
// the window with messages cannot hold the work up.
constexpr std::chrono::milliseconds kLongestPump{20};

// Keys that work the window's frame rather than its controls: Alt+F4 closes
// it, Alt+Space opens its system menu.
bool isFrameKey(const MSG& msg) {
    if (msg.message == WM_SYSKEYDOWN) return msg.wParam == VK_F4 || msg.wParam == VK_SPACE;
    return msg.message == WM_SYSCHAR && msg.wParam == L' ';
}

bool isDroppedInput(const MSG& msg) {
    // Client-area mouse messages; the frame's are WM_NC*, outside this range.
    if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) return true;
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) return !isFrameKey(msg);
    return msg.message == BM_CLICK;
}

}  // namespace

void pumpWhileBusy() {
    const auto until = std::chrono::steady_clock::now() + kLongestPump;
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Not ours to take: the loop that owns the thread must see it.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (!isDroppedInput(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (std::chrono::steady_clock::now() >= until) return;
    }
}

}  // namespace murkvale
