#include "tests/e2e/screenshot.h"

#include <fstream>
#include <stdexcept>

#include "text/wide_text_win32.h"

namespace murkvale::e2e {

namespace {

template <class T>
void writeRaw(std::ofstream& out, const T& value) {
    out.write(reinterpret_cast<const char*>(&value), sizeof value);
}

}  // namespace

ScreenPixels captureScreen(const RECT& area) {
    ScreenPixels shot;
    shot.width = area.right - area.left;
    shot.height = area.bottom - area.top;
    if (shot.width <= 0 || shot.height <= 0) throw std::runtime_error("empty capture area");

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, shot.width, shot.height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shot.width, shot.height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = shot.width;
    info.bmiHeader.biHeight = -shot.height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    shot.pixels.resize(static_cast<size_t>(shot.width) * static_cast<size_t>(shot.height));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(shot.height), shot.pixels.data(), &info,
              DIB_RGB_COLORS);

    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    for (auto& pixel : shot.pixels) pixel &= 0xFFFFFF;
    return shot;
}

void saveScreenshot(HWND window, const std::string& bmpPath) {
    RECT frame{};
    GetWindowRect(window, &frame);
    const ScreenPixels shot = captureScreen(frame);

    const size_t rowBytes = (static_cast<size_t>(shot.width) * 3 + 3) & ~size_t{3};
    const auto imageBytes = static_cast<DWORD>(rowBytes * static_cast<size_t>(shot.height));
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + imageBytes;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = shot.width;
    header.biHeight = shot.height;  // bottom-up rows, as BMP readers expect
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = imageBytes;

    std::ofstream out(toWide(bmpPath).c_str(), std::ios::binary);
    if (!out) throw std::runtime_error("cannot write " + bmpPath);
    writeRaw(out, file);
    writeRaw(out, header);
    std::string row(rowBytes, '\0');
    for (int y = shot.height - 1; y >= 0; --y) {
        for (int x = 0; x < shot.width; ++x) {
            const std::uint32_t pixel = shot.pixels[static_cast<size_t>(y * shot.width + x)];
            row[static_cast<size_t>(x) * 3 + 0] = static_cast<char>(pixel & 0xFF);
            row[static_cast<size_t>(x) * 3 + 1] = static_cast<char>((pixel >> 8) & 0xFF);
            row[static_cast<size_t>(x) * 3 + 2] = static_cast<char>((pixel >> 16) & 0xFF);
        }
        out.write(row.data(), static_cast<std::streamsize>(row.size()));
    }
    if (!out) throw std::runtime_error("cannot write " + bmpPath);
}

}  // namespace murkvale::e2e
