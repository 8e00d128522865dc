#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/e2e/deadline.h"

namespace murkvale::e2e {

std::wstring classNameOf(HWND window);

// The window's text through WM_GETTEXT, which works across processes for the
// standard controls; bounded, so a busy program cannot stall the driver.
std::wstring textOf(HWND window);

// Visible top-level windows of a process (dialogs, message boxes, file dialogs).
std::vector<HWND> visibleWindowsOf(DWORD processId);

using WindowTest = std::function<bool(HWND)>;

// A dialog (class #32770) with this caption that holds a child with this id.
WindowTest dialogWith(const std::wstring& caption, int childId);
// A dialog with this caption whatever it holds.
WindowTest dialogCaptioned(const std::wstring& caption);

bool processEnded(DWORD processId);

// Waits for a visible top-level window of the process that passes `test`;
// fails at once if the process ends.
HWND waitForWindow(DWORD processId, const std::string& what, const WindowTest& test,
                   milliseconds limit = kDefaultWait);

// Waits until `window` is destroyed or hidden.
void waitUntilGone(HWND window, const std::string& what, milliseconds limit = kDefaultWait);

// Every visible window of the process with its children, ids and texts: what
// a failing scenario prints so the reader sees what was on screen.
std::string describeWindowsOf(DWORD processId);

}  // namespace murkvale::e2e
