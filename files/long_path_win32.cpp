#include "files/long_path_win32.h"

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

}  // namespace murkvale
