#pragma once
#include <windows.h>

#include <string>

#include "tests/e2e/deadline.h"

namespace murkvale::e2e {

enum class BoxIcon { None, Stop, Other };

struct MessageBoxSeen {
    HWND window = nullptr;
    std::wstring caption;
    std::wstring text;
    BoxIcon icon = BoxIcon::None;
};

std::string describe(const MessageBoxSeen& box);

// Waits for a message box of the process: a dialog with the message box's
// text control (id 0xFFFF), whatever its caption.
MessageBoxSeen waitForMessageBox(DWORD processId, const std::string& what,
                                 milliseconds limit = kDefaultWait);

// Presses the box's button `buttonId` (IDOK for a plain box) and waits for it to close.
void answerMessageBox(const MessageBoxSeen& box, int buttonId = IDOK);

}  // namespace murkvale::e2e
