#include "shell/dialog.h"

#include <exception>

#include "shell/data_exchange.h"
#include "shell/framework_messages.h"
#include "shell/win_app.h"

namespace murkvale {

CDialog::CDialog(UINT templateId, CDialog* parent) : m_templateId(templateId), m_parent(parent) {}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal() {
    return DialogBoxParamW(appInstance(), MAKEINTRESOURCEW(m_templateId), OwnerWindow(),
                           &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

HWND CDialog::OwnerWindow() const {
    if (m_parent) return m_parent->GetSafeHwnd();
    // Without a parent, a dialog belongs to the main window (unless it is it).
    const HWND main = mainWindowHandle();
    return main != m_hWnd ? main : nullptr;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(m_hWnd, saveAndValidate != FALSE);
    try {
        DoDataExchange(dx);
    } catch (const CDataExchange::Failure&) {
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange&) {}

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void CDialog::EndDialog(INT_PTR result) { ::EndDialog(m_hWnd, result); }

void CDialog::CenterWindow() {
    RECT window{};
    GetWindowRect(m_hWnd, &window);
    const HWND owner = GetWindow(m_hWnd, GW_OWNER);
    const HMONITOR monitor = MonitorFromWindow(owner ? owner : m_hWnd, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    const RECT work = info.rcWork;

    // Over a visible, non-minimised owner; otherwise on the work area.
    RECT centre = work;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &centre);

    const LONG width = window.right - window.left;
    const LONG height = window.bottom - window.top;
    LONG x = (centre.left + centre.right) / 2 - width / 2;
    LONG y = (centre.top + centre.bottom) / 2 - height / 2;
    // Keep the whole dialog on the work area where it fits.
    if (x + width > work.right) x = work.right - width;
    if (y + height > work.bottom) y = work.bottom - height;
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        self->m_hWnd = hwnd;
    } else {
        self = reinterpret_cast<CDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;
    if (message == WM_NCDESTROY) {
        self->m_hWnd = nullptr;
        return FALSE;
    }

    // Nothing may unwind through the system's frames: a failure that leaves a
    // handler is reported here and the window stays open.
    try {
        return self->Dispatch(message, wParam, lParam);
    } catch (const std::exception& error) {
        reportHandlerFailure(hwnd, &error);
    } catch (...) {
        reportHandlerFailure(hwnd, nullptr);
    }
    return TRUE;
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const BOOL result = OnInitDialog();
        CenterWindow();
        return result;
    }

    LRESULT result = 0;
    if (OnMessage(message, wParam, lParam, result)) {
        // These return their result directly; all others through DWLP_MSGRESULT.
        switch (message) {
            case WM_QUERYDRAGICON:
            case WM_CTLCOLORMSGBOX:
            case WM_CTLCOLOREDIT:
            case WM_CTLCOLORLISTBOX:
            case WM_CTLCOLORBTN:
            case WM_CTLCOLORDLG:
            case WM_CTLCOLORSCROLLBAR:
            case WM_CTLCOLORSTATIC:
            case WM_COMPAREITEM:
            case WM_VKEYTOITEM:
            case WM_CHARTOITEM:
                return static_cast<INT_PTR>(result);
            default:
                SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
                return TRUE;
        }
    }

    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
            case IDOK:
                OnOK();
                return TRUE;
            case IDCANCEL:
                OnCancel();
                return TRUE;
            default:
                break;
        }
    }
    return FALSE;
}

}  // namespace murkvale
