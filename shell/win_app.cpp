#include "shell/win_app.h"

#include <filesystem>

#include "shell/dialog.h"

namespace murkvale {

CWinApp* CWinApp::s_current = nullptr;

CWinApp::CWinApp() { s_current = this; }

CWinApp::~CWinApp() {
    if (s_current == this) s_current = nullptr;
}

void CWinApp::initApplication(HINSTANCE instance) {
    m_hInstance = instance;
    std::wstring module(32768, L'\0');
    const DWORD length =
        GetModuleFileNameW(nullptr, module.data(), static_cast<DWORD>(module.size()));
    module.resize(length);
    m_appName = std::filesystem::path(module).stem().wstring();
}

const std::wstring& appName() {
    static const std::wstring fallback = L"Murkvale";
    const CWinApp* app = CWinApp::current();
    return app && !app->appName().empty() ? app->appName() : fallback;
}

HINSTANCE appInstance() {
    const CWinApp* app = CWinApp::current();
    return app && app->instance() ? app->instance() : GetModuleHandleW(nullptr);
}

HWND mainWindowHandle() {
    const CWinApp* app = CWinApp::current();
    return app && app->m_pMainWnd ? app->m_pMainWnd->GetSafeHwnd() : nullptr;
}

}  // namespace murkvale
