#include "shell/progress_ctrl.h"

#include <commctrl.h>

namespace murkvale {

void CProgressCtrl::SetRange(short low, short high) {
    if (m_hWnd) SendMessageW(m_hWnd, PBM_SETRANGE, 0, MAKELPARAM(low, high));
}

void CProgressCtrl::SetStep(int step) {
    if (m_hWnd) SendMessageW(m_hWnd, PBM_SETSTEP, static_cast<WPARAM>(step), 0);
}

void CProgressCtrl::SetPos(int position) {
    if (!m_hWnd) return;
    SendMessageW(m_hWnd, PBM_SETPOS, static_cast<WPARAM>(position), 0);
    UpdateWindow(m_hWnd);
}

}  // namespace murkvale
