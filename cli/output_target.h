#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "cli/arguments.h"

namespace murkvale {

// OUTPUT for seal: -o, else FILE with ".vae" appended.
std::filesystem::path sealOutput(const Arguments& args);

// OUTPUT for open: -o, else FILE without its ".vae" (any letter case). Throws
// CliError (Usage) when FILE has no such ending to drop.
std::filesystem::path openOutput(const Arguments& args);

// Refuses, before any password is asked, an OUTPUT that is FILE itself (by
// identity: a hard link or a symbolic link counts) or that exists without -f.
void checkOutputAllowed(const std::filesystem::path& input, const std::filesystem::path& output,
                        bool force);

}  // namespace murkvale
