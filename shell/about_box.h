#pragma once
#include <windows.h>

#include "shell/dialog.h"

namespace murkvale {

// Product name, version and picture; reached from the main window's system menu.
class CAboutBox : public CDialog {
  public:
    explicit CAboutBox(CDialog* parent = nullptr);
    ~CAboutBox() override;
};

// Appends a separator and the About entry (string IDS_ABOUTBOX) to the window's
// system menu; leaves the menu alone when the window has none or the string is
// missing or empty.
void addAboutEntry(HWND window);

// Whether a system command opens the About box: the system keeps the low four
// bits of the id for itself.
bool isAboutCommand(WPARAM command);

}  // namespace murkvale
