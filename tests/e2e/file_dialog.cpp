#include "tests/e2e/file_dialog.h"

#include "tests/e2e/control_input.h"
#include "tests/e2e/window_search.h"

namespace murkvale::e2e {

namespace {

// The file-name field of the Explorer-style dialog: a combo box (cmb13) on
// current systems, a plain edit (edt1) on older templates.
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;

HWND fileNameFieldOf(HWND dialog) {
    if (HWND combo = GetDlgItem(dialog, kFileNameCombo); combo && IsWindowVisible(combo)) {
        return combo;
    }
    HWND edit = GetDlgItem(dialog, kFileNameEdit);
    return edit && IsWindowVisible(edit) ? edit : nullptr;
}

HWND waitForFileDialog(DWORD processId) {
    return waitForWindow(processId, "a file dialog", [](HWND window) {
        return classNameOf(window) == L"#32770" && fileNameFieldOf(window) != nullptr &&
               GetDlgItem(window, IDOK) != nullptr;
    });
}

}  // namespace

HWND chooseInFileDialog(DWORD processId, const std::wstring& path) {
    const HWND dialog = waitForFileDialog(processId);
    setText(fileNameFieldOf(dialog), path);
    clickButton(dialog, IDOK);
    return dialog;
}

void cancelFileDialog(DWORD processId) {
    const HWND dialog = waitForFileDialog(processId);
    clickButton(dialog, IDCANCEL);
    waitUntilGone(dialog, "the file dialog");
}

}  // namespace murkvale::e2e
