#pragma once
// The checks every front end makes before anything is written, and before a
// password is asked where its flow allows it. The engine makes them again when
// it writes, since files can change in between. Each throws EngineError.
#include <cstdint>
#include <filesystem>

#include "files/engine_error.h"
#include "files/file_policy.h"

namespace murkvale {

// The length of `input`, an existing regular file that can be read, and so
// sealed. CannotOpen.
std::uint64_t checkSealable(const std::filesystem::path& input,
                            Sharing sharing = Sharing::WithOthers);

// Refuses an output that is the input itself (any spelling, a hard or a
// symbolic link), that is not a regular file (a folder, a device, a link to
// one or to nothing), that is a system name (/dev, /proc), that exists when
// replacing is not allowed, or whose folder cannot take it (not writable, a
// name too long). SameFile, CannotWrite, OutputExists.
void checkOutput(const std::filesystem::path& input, const std::filesystem::path& output,
                 Replace replace);

// The engine's own form, with the input already open.
class InputFile;
void checkOutput(const InputFile& input, const std::filesystem::path& output, Replace replace);

// The file an output named `output` is written to: the one a symbolic link
// there points to, so the link stays. CannotWrite
std::filesystem::path outputTarget(const std::filesystem::path& output);

// Whether anything has the output's name now, a dangling link included.
bool outputExists(const std::filesystem::path& output);

}  // namespace murkvale
