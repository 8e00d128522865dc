#include <windows.h>

#include "text/code_page.h"
#include "text/wide_text_win32.h"

namespace murkvale {

std::optional<std::string> toCodePage(std::string_view utf8, unsigned codePage) {
    if (utf8.empty()) return std::string();
    const int size = static_cast<int>(utf8.size());
    const int wideLength =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (wideLength <= 0) return std::nullopt;
    if (codePage == kCodePageUtf8) return std::string(utf8);

    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), wideLength);
    // Without best-fit mapping a character the code page lacks shows up as the
    // default character instead of as a look-alike.
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength,
                                           nullptr, 0, nullptr, &usedDefault);
    std::string bytes(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0 && !usedDefault) {
        WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, bytes.data(),
                            length, nullptr, &usedDefault);
    }
    wipeWide(wide);
    if (length <= 0 || usedDefault) {
        SecureZeroMemory(bytes.data(), bytes.size());
        return std::nullopt;
    }
    return bytes;
}

unsigned userCodePage() { return GetACP(); }

}  // namespace murkvale
