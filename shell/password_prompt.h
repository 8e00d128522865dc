#pragma once
#include <string>

#include "shell/dialog.h"

namespace murkvale {

// The password dialog: a prompt line over a masked field. The caller sets both
// members, runs DoModal and reads m_password when it returned IDOK.
class CPasswordPrompt : public CDialog {
  public:
    explicit CPasswordPrompt(CDialog* parent = nullptr);
    ~CPasswordPrompt() override;

    std::wstring m_prompt;
    std::wstring m_password;

  protected:
    void DoDataExchange(CDataExchange& dx) override;
};

}  // namespace murkvale
