#include "shell/dialog_filter.h"

namespace murkvale {

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
