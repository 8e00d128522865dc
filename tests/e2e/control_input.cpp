#include "tests/e2e/control_input.h"

#include <stdexcept>

namespace murkvale::e2e {

namespace {

HWND controlOf(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (!control) throw std::runtime_error("the dialog has no control " + std::to_string(id));
    return control;
}

void sendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &ignored)) {
        throw std::runtime_error("window did not answer message " + std::to_string(message));
    }
}

}  // namespace

void clickButton(HWND dialog, int buttonId) {
    PostMessageW(controlOf(dialog, buttonId), BM_CLICK, 0, 0);
}

void setText(HWND control, const std::wstring& text) {
    sendBounded(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void typeInto(HWND edit, const std::wstring& text) {
    for (wchar_t c : text) sendBounded(edit, WM_CHAR, c, 1);
}

void pressKey(HWND window, WPARAM virtualKey) {
    const UINT scan = MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC);
    const auto keyData = static_cast<LPARAM>(1 | (scan << 16));
    PostMessageW(window, WM_KEYDOWN, virtualKey, keyData);
    PostMessageW(window, WM_KEYUP, virtualKey, keyData | (LPARAM{3} << 30));
}

}  // namespace murkvale::e2e
