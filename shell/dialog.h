#pragma once
// A modal dialog from a resource template. Derived classes override the
// virtual steps and handle their own messages in OnMessage, their message map.
#include <windows.h>

namespace murkvale {

class CDataExchange;

class CDialog {
  public:
    explicit CDialog(UINT templateId, CDialog* parent = nullptr);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // IDOK or IDCANCEL as the dialog ended, -1 when the template cannot be loaded.
    INT_PTR DoModal();

    // FALSE copies members into controls; TRUE reads and validates them, and
    // returns FALSE when a check refused a value (the dialog then stays open).
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    HWND GetSafeHwnd() const { return m_hWnd; }

  protected:
    virtual BOOL OnInitDialog();  // exchanges members into controls
    virtual void OnOK();          // validates, then ends with IDOK
    virtual void OnCancel();      // ends with IDCANCEL, no exchange
    virtual void DoDataExchange(CDataExchange& dx);

    // Messages a class handles itself, tried before the base ones. Returns true
    // when handled; `result` is then the message's result.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    void EndDialog(INT_PTR result);

    HWND m_hWnd = nullptr;

  private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    HWND OwnerWindow() const;
    void CenterWindow();

    UINT m_templateId;
    CDialog* m_parent;
};

}  // namespace murkvale
