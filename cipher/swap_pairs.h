#pragma once
#include <cstddef>
#include <cstdint>

namespace murkvale {

// Swaps the bytes of each of `pairs` pairs at `data` and adds `add` to each (mod 256).
void swapPairsAdding(std::uint8_t* data, std::size_t pairs, std::uint8_t add);

}  // namespace murkvale
