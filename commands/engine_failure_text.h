#pragma once
#include <filesystem>
#include <string>

#include "files/engine_error.h"

namespace murkvale {

// The message-box text for an engine failure while writing `output`. The
// engine's own sentence already names the file and the system's reason; only
// the same-file refusal gets words of ours, so the user learns why the chosen
// output was refused rather than what went wrong inside the engine.
std::string engineFailureText(const EngineError& error, const std::filesystem::path& output,
                              const char* activity);

}  // namespace murkvale
