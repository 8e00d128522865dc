#pragma once
// Boxes the framework itself raises, captioned with the application name.
#include <windows.h>

#include <string>

#include "commands/file_error.h"

namespace murkvale {

// Validation refusals: exclamation icon, OK button.
void showValidationMessage(HWND owner, const std::wstring& text);

// A file error that left a button handler: stop icon, OK button.
void reportFileError(HWND owner, const FileError& error);

// Any other failure that left a handler, so it never unwinds through Win32.
void reportUnexpectedError(HWND owner, const char* what);

}  // namespace murkvale
