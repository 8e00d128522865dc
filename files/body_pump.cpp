#include "files/body_pump.h"

#include <algorithm>
#include <memory>

#include "files/error_text.h"

namespace murkvale {

void pumpBody(InputFile& input, std::uint64_t inputLength, BodyTransform& transform,
              TempOutputFile& output, const char* since) {
    // Not zero-filled: every byte is read before it is used.
    const std::unique_ptr<std::uint8_t[]> in(new std::uint8_t[kEngineBlockSize]);
    const std::unique_ptr<std::uint8_t[]> out(new std::uint8_t[kEngineBlockSize + 1]);
    while (!transform.finished()) {
        const auto want =
            static_cast<std::size_t>(std::min<std::uint64_t>(kEngineBlockSize, transform.remaining()));
        const std::size_t got = input.read(in.get(), want);
        if (got < want) {
            throwEndedEarly(input.path(), inputLength - transform.remaining() + got, inputLength,
                            since);
        }
        const std::size_t ready = transform.transform(in.get(), got, out.get());
        output.write(out.get(), ready);
    }
    std::uint8_t extra = 0;
    if (input.read(&extra, 1) != 0) throwGrew(input.path(), inputLength, since);
}

}  // namespace murkvale
