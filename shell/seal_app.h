#pragma once
#include "shell/win_app.h"

namespace murkvale {

// Murkvale's application object: runs the main window and ends with it.
class CSealApp : public CWinApp {
  public:
    CSealApp();
    ~CSealApp() override;
    BOOL InitInstance() override;
};

}  // namespace murkvale
