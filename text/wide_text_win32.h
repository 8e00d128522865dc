#pragma once
// UTF-8 <-> UTF-16 for the Windows build, whose system calls speak UTF-16
// while the rest of Murkvale speaks UTF-8. Invalid input is replaced by
// U+FFFD, never fatal.
#include <string>
#include <string_view>

namespace murkvale {

std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view wide);

// Overwrites a wide text (a typed password) before its memory is released.
void wipeWide(std::wstring& secret) noexcept;

}  // namespace murkvale
