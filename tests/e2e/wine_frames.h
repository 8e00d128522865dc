#pragma once
#include <optional>
#include <string>

namespace murkvale::e2e {

// Without a window manager (Xvfb) nobody draws window frames and captions
// under Wine, so pictures of the dialogs would lack them. While this object
// lives, Wine is asked to draw them itself for programs started from now on;
// the setting it found is put back afterwards. Does nothing outside Wine.
class WineDrawsFrames {
public:
    WineDrawsFrames();
    ~WineDrawsFrames();
    WineDrawsFrames(const WineDrawsFrames&) = delete;
    WineDrawsFrames& operator=(const WineDrawsFrames&) = delete;

private:
    bool changed_ = false;
    std::optional<std::wstring> previous_;
};

}  // namespace murkvale::e2e
