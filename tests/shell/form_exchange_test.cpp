// Runs a real dialog through its inherited OK: what a refused value does to the
// dialog, the focus, the members and the message the user sees.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "shell/data_exchange.h"
#include "shell/dialog.h"
#include "shell/win_app.h"
#include "tests/shell/form_ids.h"
#include "tests/shell/shown_boxes.h"

namespace murkvale {
namespace {

class TestApp : public CWinApp {
  public:
    BOOL InitInstance() override { return FALSE; }
};
TestApp testApp;

constexpr UINT kRunScript = WM_APP + 1;
// Posted after OK: the modal loop stops at once when OK ended the dialog, so
// this arrives only in a dialog that stayed open.
constexpr UINT kStillOpen = WM_APP + 2;

class Form : public CDialog {
  public:
    Form(std::wstring nameText, std::wstring sizeText)
        : CDialog(IDD_FORM), nameText_(std::move(nameText)), sizeText_(std::move(sizeText)) {}

    std::wstring m_name = L"ab";
    std::uint64_t m_size = 7;

    // What the dialog looked like after OK, when it stayed open.
    int focusId = 0;
    DWORD selectionStart = 99, selectionEnd = 99;
    int fieldLength = -1;
    LRESULT nameLimit = 0;

  protected:
    void DoDataExchange(CDataExchange& dx) override {
        DDX_Text(dx, IDC_FORM_NAME, m_name);
        DDV_MaxChars(dx, m_name, 4);
        DDX_Text(dx, IDC_FORM_SIZE, m_size);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        PostMessageW(m_hWnd, kRunScript, 0, 0);
        return TRUE;
    }
    bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT&) override {
        if (message == kRunScript) {
            nameLimit = SendDlgItemMessageW(m_hWnd, IDC_FORM_NAME, EM_GETLIMITTEXT, 0, 0);
            SetDlgItemTextW(m_hWnd, IDC_FORM_NAME, nameText_.c_str());
            SetDlgItemTextW(m_hWnd, IDC_FORM_SIZE, sizeText_.c_str());
            SendMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            PostMessageW(m_hWnd, kStillOpen, 0, 0);
            return true;
        }
        if (message != kStillOpen) return false;
        const HWND focus = GetFocus();
        focusId = focus ? GetDlgCtrlID(focus) : 0;
        if (focus) {
            SendMessageW(focus, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart),
                         reinterpret_cast<LPARAM>(&selectionEnd));
            fieldLength = GetWindowTextLengthW(focus);
        }
        // Still open after OK: leave by Cancel, which exchanges nothing.
        SendMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return true;
    }

  private:
    std::wstring nameText_;
    std::wstring sizeText_;
};

struct ExchangeCase {
    const wchar_t* nameText;
    const wchar_t* sizeText;
    INT_PTR result;          // IDOK: OK ended the dialog; IDCANCEL: it stayed open
    const wchar_t* message;  // the refusal shown, or nullptr
    int focusId;             // the field given back the focus when refused
    const wchar_t* name;     // members afterwards
    std::uint64_t size;
};

TEST(FormExchange, RefusalsKeepTheDialogOpenWithTheFieldSelected) {
    testApp.initApplication(GetModuleHandleW(nullptr));
    BoxRecorder boxes;

    const ExchangeCase cases[] = {
        {L"abcd", L"12", IDOK, nullptr, 0, L"abcd", 12},
        {L"ab", L" 5000000000\t", IDOK, nullptr, 0, L"ab", 5000000000u},
        // The name was read before its check failed; the size never was.
        {L"abcde", L"12", IDCANCEL, L"Please enter no more than 4 characters.", IDC_FORM_NAME,
         L"abcde", 7},
        {L"xy", L"-1", IDCANCEL, L"Please enter a positive integer.", IDC_FORM_SIZE, L"xy", 7},
        {L"xy", L"", IDCANCEL, L"Please enter a positive integer.", IDC_FORM_SIZE, L"xy", 7},
        {L"xy", L"18446744073709551616", IDCANCEL, L"Please enter a positive integer.",
         IDC_FORM_SIZE, L"xy", 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::wstring(L"name \"") + c.nameText + L"\", size \"" + c.sizeText + L"\"");
        boxes.clear();
        Form form(c.nameText, c.sizeText);
        EXPECT_EQ(form.DoModal(), c.result);
        EXPECT_EQ(form.nameLimit, 4);  // filling the controls limits the field
        EXPECT_EQ(form.m_name, c.name);
        EXPECT_EQ(form.m_size, c.size);
        if (!c.message) {
            EXPECT_TRUE(boxes.boxes().empty());
            continue;
        }
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes()[0].text, c.message);
        EXPECT_EQ(boxes.boxes()[0].caption, L"murkvale_shell_form_tests");
        EXPECT_EQ(form.focusId, c.focusId);
        EXPECT_EQ(form.selectionStart, 0u);
        EXPECT_EQ(static_cast<int>(form.selectionEnd), form.fieldLength);
    }
}

}  // namespace
}  // namespace murkvale
