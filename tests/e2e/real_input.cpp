#include "tests/e2e/real_input.h"

#include <stdexcept>
#include <vector>

namespace murkvale::e2e {

namespace {

void send(std::vector<INPUT>& inputs) {
    const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    if (sent != inputs.size()) {
        throw std::runtime_error("SendInput took " + std::to_string(sent) + " of " +
                                 std::to_string(inputs.size()) + " events");
    }
}

// Absolute mouse positions run from 0 to 65535 across the screen.
LONG normalised(LONG pixel, int metric) {
    const int extent = GetSystemMetrics(metric);
    return static_cast<LONG>((static_cast<long long>(pixel) * 65535 + extent / 2) / (extent - 1));
}

INPUT mouse(DWORD flags, POINT point = {}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = normalised(point.x, SM_CXSCREEN);
    input.mi.dy = normalised(point.y, SM_CYSCREEN);
    input.mi.dwFlags = flags;
    return input;
}

INPUT key(WORD virtualKey, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    return input;
}

}  // namespace

POINT centreOf(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    return {(frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2};
}

void clickAt(POINT screenPoint) {
    std::vector<INPUT> inputs{mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screenPoint),
                              mouse(MOUSEEVENTF_LEFTDOWN), mouse(MOUSEEVENTF_LEFTUP)};
    send(inputs);
}

void pressChord(std::initializer_list<WORD> virtualKeys) {
    std::vector<INPUT> inputs;
    for (WORD k : virtualKeys) inputs.push_back(key(k, 0));
    for (auto k = virtualKeys.end(); k != virtualKeys.begin();)
        inputs.push_back(key(*--k, KEYEVENTF_KEYUP));
    send(inputs);
}

}  // namespace murkvale::e2e
