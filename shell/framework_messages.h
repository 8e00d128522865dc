#pragma once
// Boxes the framework itself raises, captioned with the application name.
#include <windows.h>

#include <exception>
#include <string>

namespace murkvale {

// Validation refusals: exclamation icon, OK button.
void showValidationMessage(HWND owner, const std::wstring& text);

// A report of a failure: stop icon, OK button.
void showStopMessage(HWND owner, const std::wstring& text);

// How a failure that leaves a message handler is shown, so that it never
// unwinds through Win32 and the window stays open. `failure` is null for one
// that is not a std::exception. The application installs its own reporter for
// the failures it knows; without one every failure gets the unexpected-error box.
using HandlerFailureReporter = void (*)(HWND owner, const std::exception* failure);
void setHandlerFailureReporter(HandlerFailureReporter reporter);
void reportHandlerFailure(HWND owner, const std::exception* failure);

// "An unexpected error occurred." with the failure's own words, if any.
void reportUnexpectedError(HWND owner, const std::exception* failure);

}  // namespace murkvale
