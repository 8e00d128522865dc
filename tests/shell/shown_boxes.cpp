#include "tests/shell/shown_boxes.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

namespace murkvale {

namespace {

BoxRecorder* gRecorder = nullptr;  // the hook has no other way to reach it

BOOL CALLBACK findShownIcon(HWND child, LPARAM found) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
    // The style, not IsWindowVisible: the box itself is not shown yet.
    if ((style & WS_VISIBLE) && (style & SS_TYPEMASK) == SS_ICON &&
        SendMessageW(child, STM_GETICON, 0, 0) != 0) {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

void PrintTo(const ShownBox& box, std::ostream* out) {
    *out << "box \"" << std::filesystem::path(box.caption).u8string() << "\": \""
         << std::filesystem::path(box.text).u8string() << "\"" << (box.icon ? " with an icon" : "");
}

BoxRecorder::BoxRecorder()
    : hook_(SetWindowsHookExW(WH_CBT, onActivate, nullptr, GetCurrentThreadId())) {
    if (!hook_) throw std::runtime_error("cannot watch for message boxes");
    gRecorder = this;
}

BoxRecorder::~BoxRecorder() {
    UnhookWindowsHookEx(hook_);
    gRecorder = nullptr;
}

LRESULT CALLBACK BoxRecorder::onActivate(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && gRecorder) {
        const HWND window = reinterpret_cast<HWND>(wParam);
        wchar_t text[512] = {};
        // A message box's text is its static control 0xFFFF.
        if (GetDlgItemTextW(window, 0xFFFF, text, 512) > 0) {
            auto& seen = gRecorder->seen_;
            if (std::find(seen.begin(), seen.end(), window) == seen.end()) {
                seen.push_back(window);
                wchar_t caption[256] = {};
                GetWindowTextW(window, caption, 256);
                ShownBox box{caption, text};
                EnumChildWindows(window, findShownIcon, reinterpret_cast<LPARAM>(&box.icon));
                gRecorder->boxes_.push_back(box);
            }
            PostMessageW(window, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace murkvale
