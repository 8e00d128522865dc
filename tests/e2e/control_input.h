#pragma once
#include <windows.h>

#include <string>

namespace murkvale::e2e {

// Presses a dialog's button. Posted, not sent: a button that opens a modal
// dialog would otherwise hold the driver until that dialog closed.
void clickButton(HWND dialog, int buttonId);

// Replaces a control's text at once (file names in a file dialog).
void setText(HWND control, const std::wstring& text);

// Types into an edit one character at a time, as the keyboard would, so the
// edit's own limits apply.
void typeInto(HWND edit, const std::wstring& text);

// A key press (down and up) delivered to `window` through its dialog's message
// loop, where the dialog manager turns Enter and Escape into OK and Cancel.
void pressKey(HWND window, WPARAM virtualKey);

}  // namespace murkvale::e2e
