#pragma once
// The system's open and save dialogs.
#include <windows.h>
// commdlg.h builds on the types of windows.h.
#include <commdlg.h>

#include <filesystem>
#include <optional>
#include <string>

namespace murkvale {

struct FileDialogOptions {
    bool open = true;
    std::wstring filter;            // "Name (*.x)|*.x|...||"
    std::wstring defaultExtension;  // appended to a name typed without one; empty: none
    DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
};

// The full path chosen, or nothing when the user cancelled (or the dialog
// could not be shown).
std::optional<std::filesystem::path> runFileDialog(HWND owner, const FileDialogOptions& options);

}  // namespace murkvale
