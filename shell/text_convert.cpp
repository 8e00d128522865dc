#include "shell/text_convert.h"

#include <windows.h>

#include "cipher/wipe.h"

namespace murkvale {

namespace {

std::wstring toWide(std::string_view text, UINT codePage) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), needed);
    return wide;
}

int narrowLength(std::wstring_view text, UINT codePage) {
    if (text.empty()) return 0;
    return WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                               nullptr, nullptr);
}

}  // namespace

std::wstring utf8ToWide(std::string_view text) { return toWide(text, CP_UTF8); }

std::string wideToUtf8(std::wstring_view text) {
    std::string out;
    wideToCodePage(text, out, CP_UTF8);
    return out;
}

std::wstring codePageToWide(std::string_view text, unsigned codePage) {
    return toWide(text, codePage);
}

void wideToCodePage(std::wstring_view text, std::string& out, unsigned codePage) {
    wipe(out);
    const int needed = narrowLength(text, codePage);
    if (needed <= 0) return;
    out.resize(static_cast<std::size_t>(needed));
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), needed,
                        nullptr, nullptr);
}

std::size_t codePageByteCount(std::wstring_view text, unsigned codePage) {
    return static_cast<std::size_t>(narrowLength(text, codePage));
}

bool withinMaxChars(std::wstring_view text, std::size_t maxChars, unsigned codePage) {
    return codePageByteCount(text, codePage) <= maxChars;
}

bool fitsCodePage(std::wstring_view text, unsigned codePage) {
    if (text.empty()) return true;
    const UINT actual = codePage == CP_ACP ? GetACP() : codePage;
    const int length = static_cast<int>(text.size());
    if (actual == CP_UTF8) {
        // Every character has a UTF-8 form; only unpaired surrogates do not.
        return WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, text.data(), length, nullptr, 0,
                                   nullptr, nullptr) > 0;
    }
    // Without best-fit mapping, an unrepresentable character shows up as the
    // default character instead of a look-alike.
    BOOL usedDefault = FALSE;
    const int needed = WideCharToMultiByte(actual, WC_NO_BEST_FIT_CHARS, text.data(), length,
                                           nullptr, 0, nullptr, &usedDefault);
    return needed > 0 && !usedDefault;
}

void wipeWide(std::wstring& secret) noexcept {
    if (!secret.empty()) SecureZeroMemory(secret.data(), secret.size() * sizeof(wchar_t));
    secret.clear();
}

}  // namespace murkvale
