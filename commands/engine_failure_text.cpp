#include "commands/engine_failure_text.h"

namespace murkvale {

std::string engineFailureText(const EngineError& error, const std::filesystem::path& output,
                              const char* activity) {
    if (error.kind() == FailureKind::SameFile) {
        return "\"" + output.u8string() + "\" is the file being " + activity +
               ". Nothing was written; choose another output file.";
    }
    return error.what();
}

}  // namespace murkvale
