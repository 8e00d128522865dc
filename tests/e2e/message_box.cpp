#include "tests/e2e/message_box.h"

#include "tests/e2e/control_input.h"
#include "tests/e2e/screenshot.h"
#include "tests/e2e/window_search.h"
#include "text/wide_text_win32.h"

namespace murkvale::e2e {

namespace {

constexpr int kMessageTextId = 0xFFFF;

BOOL CALLBACK findIconControl(HWND child, LPARAM found) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
    if (IsWindowVisible(child) && (style & SS_TYPEMASK) == SS_ICON) {
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
    }
    return TRUE;
}

// The stop icon is the only red system icon; the others are yellow, blue or
// white, so the share of strongly red pixels tells them apart on screen.
BoxIcon iconShownIn(HWND box) {
    HWND icon = nullptr;
    EnumChildWindows(box, findIconControl, reinterpret_cast<LPARAM>(&icon));
    DWORD_PTR shown = 0;
    if (!icon || !SendMessageTimeoutW(icon, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 5000, &shown) ||
        shown == 0) {
        return BoxIcon::None;
    }
    RECT area{};
    GetWindowRect(icon, &area);
    if (area.right <= area.left || area.bottom <= area.top) return BoxIcon::None;
    const ScreenPixels shot = captureScreen(area);
    size_t red = 0;
    for (auto pixel : shot.pixels) {
        const auto r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
        if (r > 150 && g < 100 && b < 100) ++red;
    }
    return red * 10 > shot.pixels.size() ? BoxIcon::Stop : BoxIcon::Other;
}

}  // namespace

std::string describe(const MessageBoxSeen& box) {
    static const char* const iconNames[] = {"no icon", "stop icon", "another icon"};
    return "message box \"" + toUtf8(box.caption) + "\": \"" + toUtf8(box.text) + "\" (" +
           iconNames[static_cast<int>(box.icon)] + ")";
}

MessageBoxSeen waitForMessageBox(DWORD processId, const std::string& what, milliseconds limit) {
    const HWND window = waitForWindow(
        processId, what,
        [](HWND candidate) {
            return classNameOf(candidate) == L"#32770" &&
                   GetDlgItem(candidate, kMessageTextId) != nullptr;
        },
        limit);
    // Let the box finish painting before its icon is looked at.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(200);
    MessageBoxSeen box;
    box.window = window;
    box.caption = textOf(window);
    box.text = textOf(GetDlgItem(window, kMessageTextId));
    box.icon = iconShownIn(window);
    return box;
}

void answerMessageBox(const MessageBoxSeen& box, int buttonId) {
    clickButton(box.window, buttonId);
    waitUntilGone(box.window, describe(box));
}

}  // namespace murkvale::e2e
