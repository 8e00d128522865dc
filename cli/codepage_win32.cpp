#include <windows.h>

#include "cipher/wipe.h"
#include "cli/cli_error.h"
#include "cli/codepage.h"

namespace murkvale {

std::string toCodePage(const std::string& text, unsigned codePage) {
    if (codePage != CP_UTF8 && !IsValidCodePage(codePage)) {
        throw CliError(ExitStatus::Usage,
                       "Code page " + std::to_string(codePage) + " is unknown on this system.");
    }
    auto lacks = [&] {
        return CliError(ExitStatus::Failure, "The password has a character that code page " +
                                                 std::to_string(codePage) +
                                                 " lacks, or is not valid UTF-8 text.");
    };
    if (text.empty()) return {};

    int size = static_cast<int>(text.size());
    int wideLength =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (wideLength <= 0) throw lacks();
    if (codePage == CP_UTF8) return text;

    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), wideLength);
    BOOL usedDefault = FALSE;
    int length = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength,
                                     nullptr, 0, nullptr, &usedDefault);
    std::string bytes(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0) {
        WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, bytes.data(),
                            length, nullptr, &usedDefault);
    }
    SecureZeroMemory(wide.data(), wide.size() * sizeof(wchar_t));
    if (length <= 0 || usedDefault) {
        wipe(bytes);
        throw lacks();
    }
    return bytes;
}

std::optional<unsigned> consoleCodePage() { return GetACP(); }

}  // namespace murkvale
