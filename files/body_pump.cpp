#include "files/body_pump.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "files/error_text.h"

namespace murkvale {

void pumpBody(InputFile& input, std::uint64_t inputLength, BodyTransform& transform,
              OutputSink& output, const RunHooks& hooks, const char* since) {
    // One block, plus room in front for the byte where a pair split between
    // two reads is completed. The block sits at the same offset within a
    // cache line as the reads' file position, so the kernel's copy from the
    // page cache is aligned on both sides (a sealed body starts at offset 2;
    // misaligned, its reads took twice as long). Not zero-filled: every
    // byte is read before it is used.
    constexpr std::size_t kLine = 64;
    const std::unique_ptr<std::uint8_t[]> buffer(new std::uint8_t[kEngineBlockSize + 3 * kLine]);
    const auto base = reinterpret_cast<std::uintptr_t>(buffer.get());
    const std::uint64_t position = inputLength - transform.remaining();
    std::uint8_t* const block =
        buffer.get() + (kLine - base % kLine) + kLine + static_cast<std::size_t>(position % kLine);
    while (!transform.finished()) {
        const auto want = static_cast<std::size_t>(
            std::min<std::uint64_t>(kEngineBlockSize, transform.remaining()));
        const std::size_t got = input.read(block, want);
        if (got < want) {
            throwEndedEarly(input.path(), inputLength - transform.remaining() + got, inputLength,
                            since);
        }
        const BodyTransform::Finished done = transform.transformInPlace(block, got);
        output.write(done.data, done.size);
        if (hooks.checkpoint) hooks.checkpoint();
    }
    std::uint8_t extra = 0;
    if (input.read(&extra, 1) != 0) throwGrew(input.path(), inputLength, since);
}

}  // namespace murkvale
