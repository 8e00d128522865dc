#include "shell/file_dialog.h"

#include <commdlg.h>

#include "shell/dialog_filter.h"

namespace murkvale {

namespace {
// Room for the longest path the system allows, so a long name is never
// mistaken for a cancel.
constexpr DWORD kNameBufferChars = 32768;
}  // namespace

std::optional<std::filesystem::path> runFileDialog(HWND owner, const FileDialogOptions& options) {
    const std::wstring filter = dialogFilter(options.filter);
    std::wstring name(kNameBufferChars, L'\0');

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = options.filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = kNameBufferChars;
    ofn.lpstrDefExt = options.defaultExtension.empty() ? nullptr : options.defaultExtension.c_str();
    ofn.Flags = options.flags | OFN_EXPLORER;

    const BOOL chosen = options.open ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn);
    if (!chosen) return std::nullopt;
    name.resize(wcsnlen(name.c_str(), name.size()));
    return std::filesystem::path(name);
}

}  // namespace murkvale
