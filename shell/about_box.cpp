#include "shell/about_box.h"

#include <string>

#include "res/resource.h"
#include "shell/win_app.h"

namespace murkvale {

CAboutBox::CAboutBox(CDialog* parent) : CDialog(IDD_ABOUTBOX, parent) {}

CAboutBox::~CAboutBox() = default;

void addAboutEntry(HWND window) {
    const HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu) return;
    const wchar_t* text = nullptr;
    // With a zero length LoadStringW hands out the read-only resource text itself.
    const int length = LoadStringW(appInstance(), IDS_ABOUTBOX, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text) return;
    const std::wstring entry(text, static_cast<std::size_t>(length));
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, entry.c_str());
}

bool isAboutCommand(WPARAM command) { return (command & 0xFFF0) == IDM_ABOUTBOX; }

}  // namespace murkvale
