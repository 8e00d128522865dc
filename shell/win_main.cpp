#include <windows.h>

#include "shell/win_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // Load system DLLs only from the system folder, never from ours.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);

    murkvale::CWinApp* app = murkvale::CWinApp::current();
    if (!app) return 1;
    app->initApplication(instance);
    return app->InitInstance() ? 1 : 0;
}
