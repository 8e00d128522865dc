#include "shell/seal_app.h"

#include <commctrl.h>

#include "commands/failure_text.h"
#include "files/engine_error.h"
#include "shell/framework_messages.h"
#include "shell/main_dialog.h"
#include "text/wide_text_win32.h"

namespace murkvale {

namespace {

// A file that a command could not open leaves its handler; the framework then
// shows the file report, as it would for its own file object.
void reportFailure(HWND owner, const std::exception* failure) {
    const auto* engine = dynamic_cast<const EngineError*>(failure);
    if (engine && engine->kind() == FailureKind::CannotOpen) {
        showStopMessage(owner, toWide(cannotOpenReport(*engine)));
    } else {
        reportUnexpectedError(owner, failure);
    }
}

}  // namespace

CSealApp theApp;

CSealApp::CSealApp() = default;

CSealApp::~CSealApp() = default;

BOOL CSealApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
    setHandlerFailureReporter(reportFailure);

    CMainDialog dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    // No message loop of our own: the program ends with its window.
    return FALSE;
}

}  // namespace murkvale
