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
    // A themed bar glides forward on timer messages, which come only when the
    // window looks at its queue; a step back is drawn at once. So overshoot by
    // one and step back, where the range leaves room.
    const auto high = static_cast<int>(SendMessageW(m_hWnd, PBM_GETRANGE, FALSE, 0));
    if (position < high) {
        SendMessageW(m_hWnd, PBM_SETPOS, static_cast<WPARAM>(position + 1), 0);
    }
    SendMessageW(m_hWnd, PBM_SETPOS, static_cast<WPARAM>(position), 0);
    UpdateWindow(m_hWnd);
}

}  // namespace murkvale
