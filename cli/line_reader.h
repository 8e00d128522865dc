#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace murkvale {

// Longer lines are cut here; any password that long is refused anyway, and a
// huge file without a newline must not be read into memory whole.
inline constexpr std::size_t kLineCap = 256;

// Reads one line through `nextByte` (a byte 0..255, or -1 at the end of input)
// and stops after its '\n', so nothing past the line is consumed. The "\n" or
// "\r\n" ending is dropped. Returns nothing when the input ends before any byte.
std::optional<std::string> readLine(const std::function<int()>& nextByte);

}  // namespace murkvale
