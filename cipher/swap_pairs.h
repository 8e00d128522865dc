#pragma once
#include <cstddef>
#include <cstdint>

namespace murkvale {

// out[2i] = in[2i+1] + add, out[2i+1] = in[2i] + add for i < pairs (mod 256).
void swapPairsAdding(const std::uint8_t* in, std::uint8_t* out, std::size_t pairs,
                     std::uint8_t add);

}  // namespace murkvale
