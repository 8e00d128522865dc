#include "tests/e2e/text_convert.h"

#include <windows.h>

#include <utility>

namespace murkvale::e2e {

std::string toUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, result.data(), bytes, nullptr, nullptr);
    return result;
}

std::wstring fromUtf8(const std::string& text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int chars = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    std::wstring result(static_cast<size_t>(chars), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, result.data(), chars);
    return result;
}

std::wstring windowsPathOf(std::wstring path) {
    std::wstring result = std::move(path);
    for (auto& c : result) {
        if (c == L'/') c = L'\\';
    }
    const bool hasDrive = result.size() >= 2 && result[1] == L':';
    if (!hasDrive && !result.empty() && result[0] == L'\\') result.insert(0, L"Z:");
    return result;
}

}  // namespace murkvale::e2e
