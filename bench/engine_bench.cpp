// Times sealing and opening a large file against a plain block copy that does
// the same I/O (same block size, temporary file, flush to disk, rename), in one
// run, and prints the times, the ratios and the peak memory.
//
//   murkvale_engine_bench [size in MiB, default 1024] [rounds, default 3] [folder, default .]
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "files/body_pump.h"
#include "files/platform_file.h"
#include "files/sealed_file.h"

namespace fs = std::filesystem;
using namespace murkvale;

namespace {

void makeInput(const fs::path& path, std::uint64_t size) {
    std::vector<std::uint8_t> block(kEngineBlockSize);
    std::mt19937_64 random(42);
    for (std::size_t i = 0; i + 8 <= block.size(); i += 8) {
        const std::uint64_t value = random();
        std::copy_n(reinterpret_cast<const std::uint8_t*>(&value), 8, block.data() + i);
    }
    TempOutputFile out(path, Replace::Allowed);
    for (std::uint64_t done = 0; done < size;) {
        const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(block.size(), size - done));
        block[0] = static_cast<std::uint8_t>(done >> 20);  // no two blocks alike
        out.write(block.data(), n);
        done += n;
    }
    out.commit({});
}

// What the engine does minus the transform.
void plainCopy(const fs::path& from, const fs::path& to) {
    InputFile in(from, Sharing::WithOthers);
    TempOutputFile out(to, Replace::Allowed);
    const std::unique_ptr<std::uint8_t[]> block(new std::uint8_t[kEngineBlockSize]);
    for (;;) {
        const std::size_t got = in.read(block.get(), kEngineBlockSize);
        if (got == 0) break;
        out.write(block.get(), got);
    }
    out.commit({});
}

// Reads a file whole, so its contender reads it from the page cache: outputs
// leave the cache as they reach the disk, and the sealed file is one.
void warm(const fs::path& path) {
    InputFile in(path, Sharing::WithOthers);
    const std::unique_ptr<std::uint8_t[]> block(new std::uint8_t[kEngineBlockSize]);
    while (in.read(block.get(), kEngineBlockSize) != 0) {
    }
}

bool sameContent(const fs::path& a, const fs::path& b) {
    InputFile left(a, Sharing::WithOthers);
    InputFile right(b, Sharing::WithOthers);
    std::vector<std::uint8_t> x(kEngineBlockSize);
    std::vector<std::uint8_t> y(kEngineBlockSize);
    for (;;) {
        const std::size_t n = left.read(x.data(), x.size());
        if (right.read(y.data(), y.size()) != n) return false;
        if (n == 0) return true;
        if (!std::equal(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(n), y.begin())) {
            return false;
        }
    }
}

double seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::uint64_t mib = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1024;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    const fs::path folder = argc > 3 ? fs::path(argv[3]) : fs::path(".");
    if (mib == 0 || rounds <= 0) {
        std::fprintf(stderr, "usage: %s [size in MiB] [rounds] [folder]\n", argv[0]);
        return 2;
    }
    const std::uint64_t size = mib << 20;
    const fs::path input = folder / "bench-input.bin";
    const fs::path copied = folder / "bench-copy.bin";
    const fs::path sealed = folder / "bench-sealed.vae";
    const fs::path opened = folder / "bench-opened.bin";
    const PasswordDigest digest = derivePasswordDigest("benchmark");

    try {
        makeInput(input, size);
        plainCopy(input, copied);  // warms the input into the page cache for every contender
        std::printf("file %llu MiB, block %zu KiB, %d rounds\n",
                    static_cast<unsigned long long>(mib), kEngineBlockSize >> 10, rounds);
        std::printf("%5s %10s %10s %10s %12s %12s\n", "round", "copy s", "seal s", "open s",
                    "seal/copy", "open/copy");
        sealFile(input, size, sealed, Replace::Allowed,
                 digest);  // so opening can go first in a round
        std::vector<double> copyTimes, sealTimes, openTimes;
        // Each contender writes a file that does not exist yet and starts with
        // nothing left to write back; the order rotates so none always follows
        // the same one.
        const auto timed = [&](const fs::path& from, const fs::path& output,
                               const std::function<void()>& work) {
            warm(from);
            fs::remove(output);
            ::sync();
            return seconds(work);
        };
        for (int round = 1; round <= rounds; ++round) {
            for (int turn = 0; turn < 3; ++turn) {
                switch ((round + turn) % 3) {
                    case 0:
                        copyTimes.push_back(timed(input, copied, [&] { plainCopy(input, copied); }));
                        break;
                    case 1:
                        sealTimes.push_back(timed(input, sealed, [&] {
                            sealFile(input, size, sealed, Replace::Allowed, digest);
                        }));
                        break;
                    default:
                        openTimes.push_back(timed(sealed, opened, [&] {
                            SealedFile(sealed).writePlain(opened, Replace::Allowed, digest);
                        }));
                }
            }
            std::printf("%5d %10.3f %10.3f %10.3f %12.3f %12.3f\n", round, copyTimes.back(),
                        sealTimes.back(), openTimes.back(), sealTimes.back() / copyTimes.back(),
                        openTimes.back() / copyTimes.back());
        }
        const bool roundTrip = sameContent(input, opened);
        const double copy = median(copyTimes);
        std::printf("median %9.3f %10.3f %10.3f %12.3f %12.3f\n", copy, median(sealTimes),
                    median(openTimes), median(sealTimes) / copy, median(openTimes) / copy);
        // The fastest run of each is the one least disturbed by other work on the machine.
        const double bestCopy = *std::min_element(copyTimes.begin(), copyTimes.end());
        const double bestSeal = *std::min_element(sealTimes.begin(), sealTimes.end());
        const double bestOpen = *std::min_element(openTimes.begin(), openTimes.end());
        std::printf("best %11.3f %10.3f %10.3f %12.3f %12.3f\n", bestCopy, bestSeal, bestOpen,
                    bestSeal / bestCopy, bestOpen / bestCopy);
        struct rusage usage {};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("peak RSS %.1f MiB; round trip %s\n",
                    static_cast<double>(usage.ru_maxrss) / 1024,
                    roundTrip ? "identical" : "DIFFERS");
        for (const auto& path : {input, copied, sealed, opened}) fs::remove(path);
        return roundTrip ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        for (const auto& path : {input, copied, sealed, opened}) {
            std::error_code ignored;
            fs::remove(path, ignored);
        }
        return 1;
    }
}
