#pragma once
#include <cstddef>
#include <cstdint>

#include "cipher/body_transform.h"
#include "files/platform_file.h"
#include "files/run_hooks.h"

namespace murkvale {

// Large enough that system calls cost nothing next to the copying, small
// enough that memory stays flat whatever the file size.
inline constexpr std::size_t kEngineBlockSize = std::size_t{1} << 20;

// Reads the rest of `input` (whose whole length must be `inputLength`) through
// `transform` into `output`, calling the checkpoint after every block. The
// input must end exactly there: ending early or holding more throws
// InputChanged, with `since` as in error_text.h.
void pumpBody(InputFile& input, std::uint64_t inputLength, BodyTransform& transform,
              OutputSink& output, const RunHooks& hooks, const char* since);

}  // namespace murkvale
