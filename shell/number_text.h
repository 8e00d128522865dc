#pragma once
// Unsigned decimal numbers as the window's fields show and read them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace murkvale {

// Digits with optional blanks and tabs around them. A sign, an empty text, any
// other character or a value beyond 64 bits gives nothing.
std::optional<std::uint64_t> parseUnsignedDecimal(std::wstring_view text);

std::wstring formatUnsignedDecimal(std::uint64_t value);

}  // namespace murkvale
