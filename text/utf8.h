#pragma once
// UTF-8 as the standard defines it: no overlong forms, no surrogates, nothing
// past U+10FFFF.
#include <cstddef>
#include <string_view>

namespace murkvale {

// The length (1-4) of the valid UTF-8 sequence that starts at text[at], or 0
// when the bytes there are not one.
std::size_t utf8SequenceAt(std::string_view text, std::size_t at);

bool isValidUtf8(std::string_view text);

}  // namespace murkvale
