#include "cipher/swap_pairs.h"

namespace murkvale {

// The hot loop of every seal and open, in place so one buffer stays in cache. Kept alone in this file so it can be
// built at -O3, where GCC turns it into byte shuffles and adds on whole vectors.
void swapPairsAdding(std::uint8_t* data, std::size_t pairs, std::uint8_t add) {
    for (std::size_t i = 0; i < pairs; ++i) {
        const std::uint8_t a = data[2 * i];
        const std::uint8_t b = data[2 * i + 1];
        data[2 * i] = static_cast<std::uint8_t>(b + add);
        data[2 * i + 1] = static_cast<std::uint8_t>(a + add);
    }
}

}  // namespace murkvale
