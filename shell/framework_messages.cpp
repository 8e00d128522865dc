#include "shell/framework_messages.h"

#include "shell/text_convert.h"
#include "shell/win_app.h"

namespace murkvale {

void showValidationMessage(HWND owner, const std::wstring& text) {
    MessageBoxW(owner, text.c_str(), appName().c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void reportFileError(HWND owner, const FileError& error) {
    const std::wstring text = utf8ToWide(error.message());
    MessageBoxW(owner, text.c_str(), appName().c_str(), MB_OK | MB_ICONSTOP);
}

void reportUnexpectedError(HWND owner, const char* what) {
    std::wstring text = L"An unexpected error occurred.";
    if (what && *what) text += L"\n\n" + utf8ToWide(what);
    MessageBoxW(owner, text.c_str(), appName().c_str(), MB_OK | MB_ICONSTOP);
}

}  // namespace murkvale
