#include "shell/framework_messages.h"

#include "shell/win_app.h"
#include "text/wide_text_win32.h"
#include "text/window_texts.h"

namespace murkvale {

namespace {
HandlerFailureReporter gReporter = nullptr;
}  // namespace

void showValidationMessage(HWND owner, const std::wstring& text) {
    MessageBoxW(owner, text.c_str(), appName().c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void showStopMessage(HWND owner, const std::wstring& text) {
    MessageBoxW(owner, text.c_str(), appName().c_str(), MB_OK | MB_ICONSTOP);
}

void setHandlerFailureReporter(HandlerFailureReporter reporter) { gReporter = reporter; }

void reportHandlerFailure(HWND owner, const std::exception* failure) {
    if (gReporter) {
        gReporter(owner, failure);
    } else {
        reportUnexpectedError(owner, failure);
    }
}

void reportUnexpectedError(HWND owner, const std::exception* failure) {
    std::wstring text = toWide(kUnexpectedErrorText);
    if (failure && *failure->what()) text += L"\n\n" + toWide(failure->what());
    showStopMessage(owner, text);
}

}  // namespace murkvale
