#pragma once
#include "cli/arguments.h"
#include "cli/exit_status.h"

namespace murkvale {

// Each checks everything it can before asking for a password, and throws
// CliError or EngineError on failure.
ExitStatus runSeal(const Arguments& args);
ExitStatus runOpen(const Arguments& args);
ExitStatus runInfo(const Arguments& args);

}  // namespace murkvale
