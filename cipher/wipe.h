#pragma once
#include <string>

namespace murkvale {

// Overwrites a password's bytes before the memory is released. The volatile
// access keeps the compiler from dropping the stores as dead.
inline void wipe(std::string& secret) noexcept {
    volatile char* p = secret.data();
    for (std::size_t i = 0; i < secret.size(); ++i) p[i] = 0;
    secret.clear();
}

}  // namespace murkvale
