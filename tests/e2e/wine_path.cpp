#include "tests/e2e/wine_path.h"

#include <utility>

namespace murkvale::e2e {

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
