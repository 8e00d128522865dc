#include "cipher/swap_pairs.h"

namespace murkvale {

// The hot loop of every seal and open. Kept alone in this file so it can be
// built at -O3, where GCC turns it into byte shuffles and adds on whole vectors.
void swapPairsAdding(const std::uint8_t* __restrict in, std::uint8_t* __restrict out,
                     std::size_t pairs, std::uint8_t add) {
    for (std::size_t i = 0; i < pairs; ++i) {
        out[2 * i] = static_cast<std::uint8_t>(in[2 * i + 1] + add);
        out[2 * i + 1] = static_cast<std::uint8_t>(in[2 * i] + add);
    }
}

}  // namespace murkvale
