#pragma once
#include <optional>
#include <string>
#include <vector>

namespace murkvale::e2e {

// Wine settings the scenarios need, for programs started while this object
// lives; the values found before are put back afterwards. Does nothing
// outside Wine.
// - Without a window manager (Xvfb) nobody draws frames and captions, so
//   pictures of the dialogs would lack them: Wine is asked to draw them.
// - A crash must fail the scenario at once, not wait behind Wine's crash dialog.
class WineTestSettings {
  public:
    WineTestSettings();
    ~WineTestSettings();
    WineTestSettings(const WineTestSettings&) = delete;
    WineTestSettings& operator=(const WineTestSettings&) = delete;

  private:
    struct Saved {
        std::wstring key;
        std::wstring name;
        unsigned long type = 0;
        std::optional<std::vector<unsigned char>> previous;  // the raw registry data
    };
    std::vector<Saved> saved_;
};

}  // namespace murkvale::e2e
