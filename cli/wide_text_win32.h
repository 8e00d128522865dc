#pragma once
// UTF-8 <-> UTF-16 for the Windows build; invalid input is replaced, never fatal.
#include <string>

namespace murkvale {

std::wstring wideFromUtf8(const std::string& text);
std::string utf8FromWide(const std::wstring& text);

}  // namespace murkvale
