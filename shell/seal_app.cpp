#include "shell/seal_app.h"

#include <commctrl.h>

#include "shell/framework_messages.h"
#include "shell/main_dialog.h"

namespace murkvale {

CSealApp theApp;

CSealApp::CSealApp() = default;

CSealApp::~CSealApp() = default;

BOOL CSealApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
    setHandlerFailureReporter(reportCommandFailure);

    CMainDialog dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    // No message loop of our own: the program ends with its window.
    return FALSE;
}

}  // namespace murkvale
