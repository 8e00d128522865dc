#pragma once
#include <string>
#include <string_view>

namespace murkvale {

// A full path too long for the classic limit gets the \\?\ form, so opening it
// works whether or not the system has long paths enabled. Shorter or relative
// paths come back unchanged.
std::wstring extendedLengthPath(std::wstring_view path);

}  // namespace murkvale
