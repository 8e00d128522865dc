#pragma once
#include "cli/arguments.h"
#include "cli/cli_error.h"

namespace murkvale {

// Each makes the engine's checks before asking for a password, and throws
// CliError or EngineError on failure.
ExitStatus runSeal(const Arguments& args);
ExitStatus runOpen(const Arguments& args);
ExitStatus runInfo(const Arguments& args);

}  // namespace murkvale
