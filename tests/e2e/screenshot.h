#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace murkvale::e2e {

// Pixels of a screen rectangle, 0x00RRGGBB, rows top to bottom.
struct ScreenPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

ScreenPixels captureScreen(const RECT& area);

// Writes what the screen shows where `window` stands as a 24-bit BMP file.
// Copied from the screen rather than printed by the window, so the picture is
// what a person would see, frame and children included.
void saveScreenshot(HWND window, const std::string& bmpPath);

}  // namespace murkvale::e2e
