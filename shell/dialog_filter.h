#pragma once
#include <string>
#include <string_view>

namespace murkvale {

// "Name (*.x)|*.x|All (*.*)|*.*||" as the file dialogs want it: pairs of
// NUL-terminated texts, ending in an empty one.
std::wstring dialogFilter(std::wstring_view barSeparated);

}  // namespace murkvale
