#include "files/body_pump.h"

#include <algorithm>
#include <memory>

#include "files/error_text.h"

namespace murkvale {

void pumpBody(InputFile& input, std::uint64_t inputLength, BodyTransform& transform,
              OutputSink& output, const RunHooks& hooks, const char* since) {
    // One block, plus a byte in front where a pair split between two reads
    // is completed. Not zero-filled: every byte is read before it is used.
    const std::unique_ptr<std::uint8_t[]> buffer(new std::uint8_t[kEngineBlockSize + 1]);
    std::uint8_t* const block = buffer.get() + 1;
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
