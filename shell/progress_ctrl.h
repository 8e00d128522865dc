#pragma once
// The progress bar control of a dialog.
#include <windows.h>

namespace murkvale {

class CProgressCtrl {
  public:
    void Attach(HWND control) { m_hWnd = control; }
    HWND GetSafeHwnd() const { return m_hWnd; }

    void SetRange(short low, short high);
    void SetStep(int step);
    // Shows the new position at once, without waiting for the window to
    // look at its queue between blocks.
    void SetPos(int position);

  private:
    HWND m_hWnd = nullptr;
};

}  // namespace murkvale
