#include "files/engine_error.h"

#include <utility>

namespace murkvale {

EngineError::EngineError(FailureKind kind, std::filesystem::path path, const std::string& message)
    : std::runtime_error(message), kind_(kind), path_(std::move(path)) {}

}  // namespace murkvale
