#pragma once
#include <windows.h>

#include <string>

namespace murkvale::e2e {

// Waits for the open or save dialog of the process, types `path` into its
// file-name field and presses its OK button. Returns the dialog's window.
HWND chooseInFileDialog(DWORD processId, const std::wstring& path);

// Closes the open or save dialog of the process with Cancel.
void cancelFileDialog(DWORD processId);

}  // namespace murkvale::e2e
