#pragma once
// The words the windows use for the engine's failures.
#include <filesystem>
#include <string>

#include "files/engine_error.h"

namespace murkvale {

// The report of a file that cannot be opened, as the window's framework gives
// it: "%1 was not found.", "A sharing violation occurred while accessing %1."
// and their kin, chosen by the system's cause, %1 the path as given.
std::string cannotOpenReport(const EngineError& error);

// The message-box text for a failure while `output` was written. The engine's
// own sentence already names the file and the system's reason; only the
// same-file refusal gets words of ours, so the user learns why the chosen
// output was refused rather than what went wrong inside the engine.
std::string runFailureText(const EngineError& error, const std::filesystem::path& output,
                           const char* activity);

}  // namespace murkvale
