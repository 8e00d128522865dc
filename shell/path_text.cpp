#include "shell/path_text.h"

namespace murkvale {

namespace {
constexpr std::size_t kClassicPathLimit = 260;  // MAX_PATH, terminating NUL included
constexpr std::wstring_view kExtendedPrefix = L"\\\\?\\";
constexpr std::wstring_view kExtendedUncPrefix = L"\\\\?\\UNC\\";

bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }
}  // namespace

std::wstring extendedLengthPath(std::wstring_view path) {
    std::wstring result(path);
    if (path.size() < kClassicPathLimit) return result;
    if (path.substr(0, kExtendedPrefix.size()) == kExtendedPrefix) return result;

    // The \\?\ form turns off all normalisation, forward slashes included.
    for (wchar_t& c : result) {
        if (c == L'/') c = L'\\';
    }
    const bool drive = path.size() >= 3 && path[1] == L':' && isSeparator(path[2]);
    const bool unc = isSeparator(path[0]) && isSeparator(path[1]);
    if (drive) return std::wstring(kExtendedPrefix) + result;
    if (unc) return std::wstring(kExtendedUncPrefix) + result.substr(2);
    return std::wstring(path);
}

std::wstring dialogFilter(std::wstring_view barSeparated) {
    std::wstring result(barSeparated);
    for (wchar_t& c : result) {
        if (c == L'|') c = L'\0';
    }
    // The list ends with two NULs even if the text lacks its closing "||".
    result.push_back(L'\0');
    result.push_back(L'\0');
    return result;
}

}  // namespace murkvale
