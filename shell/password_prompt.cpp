#include "shell/password_prompt.h"

#include "res/resource.h"
#include "shell/data_exchange.h"
#include "text/password_rules.h"
#include "text/wide_text_win32.h"

namespace murkvale {

namespace {
constexpr int kPromptMaxChars = 50;
}  // namespace

CPasswordPrompt::CPasswordPrompt(CDialog* parent)
    : CDialog(IDD_PASSWORD, parent), m_prompt(L"Please enter password:") {}

CPasswordPrompt::~CPasswordPrompt() { wipeWide(m_password); }

void CPasswordPrompt::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, IDC_PROMPT, m_prompt);
    DDV_MaxChars(dx, m_prompt, kPromptMaxChars);
    DDX_Text(dx, IDC_PASSWORD, m_password);
    DDV_MaxChars(dx, m_password, static_cast<int>(kMaxPasswordBytes));
    DDV_AnsiText(dx, m_password);
}

}  // namespace murkvale
