#pragma once
// The message boxes a test's own dialogs show, recorded and closed with OK as
// they open, so the test runs on without a hand.
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

namespace murkvale {

struct ShownBox {
    std::wstring caption;
    std::wstring text;
    bool icon = false;  // an icon beside the text
    bool operator==(const ShownBox& other) const {
        return caption == other.caption && text == other.text && icon == other.icon;
    }
};

void PrintTo(const ShownBox& box, std::ostream* out);

// While it lives, records every message box this thread opens.
class BoxRecorder {
  public:
    BoxRecorder();
    ~BoxRecorder();
    BoxRecorder(const BoxRecorder&) = delete;
    BoxRecorder& operator=(const BoxRecorder&) = delete;

    const std::vector<ShownBox>& boxes() const { return boxes_; }
    void clear() {
        boxes_.clear();
        seen_.clear();
    }

  private:
    static LRESULT CALLBACK onActivate(int code, WPARAM wParam, LPARAM lParam);

    HHOOK hook_ = nullptr;
    std::vector<ShownBox> boxes_;
    // A box activates again when another program's window took the focus.
    std::vector<HWND> seen_;
};

}  // namespace murkvale
