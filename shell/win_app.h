#pragma once
// The application object: one global instance, started by wWinMain.
#include <windows.h>

#include <string>

namespace murkvale {

class CDialog;

class CWinApp {
  public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Returns FALSE to end the program without a message loop of its own.
    virtual BOOL InitInstance() = 0;

    // The executable's file name without directory and extension: the caption
    // of the boxes the framework itself shows.
    const std::wstring& appName() const { return m_appName; }
    HINSTANCE instance() const { return m_hInstance; }

    CDialog* m_pMainWnd = nullptr;

    static CWinApp* current() { return s_current; }
    void initApplication(HINSTANCE instance);

  private:
    static CWinApp* s_current;
    HINSTANCE m_hInstance = nullptr;
    std::wstring m_appName;
};

// The application's name, or "Murkvale" before start-up has named it.
const std::wstring& appName();
HINSTANCE appInstance();
HWND mainWindowHandle();

}  // namespace murkvale
