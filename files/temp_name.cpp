#include "files/temp_name.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <random>

#include "files/platform_file.h"

namespace murkvale {

std::filesystem::path tempPathBeside(const std::filesystem::path& target) {
    static std::atomic<std::uint64_t> counter{0};
    static const std::uint64_t seed = [] {
        std::random_device device;
        const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
        return (std::uint64_t{device()} << 32) ^ device() ^ static_cast<std::uint64_t>(now);
    }();
    // A 64-bit mix of seed and counter keeps names apart across processes and calls.
    std::uint64_t x = seed + 0x9E3779B97F4A7C15ull * ++counter;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    x ^= x >> 31;
    char name[40];
    std::snprintf(name, sizeof name, "%s%016llx.tmp", kTempFilePrefix,
                  static_cast<unsigned long long>(x));
    return target.parent_path() / name;
}

}  // namespace murkvale
