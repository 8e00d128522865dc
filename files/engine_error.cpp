#include "files/engine_error.h"

#include <utility>

namespace murkvale {

EngineError::EngineError(FailureKind kind, std::filesystem::path path, const std::string& message,
                         SystemReason reason)
    : std::runtime_error(message),
      kind_(kind),
      path_(std::move(path)),
      reason_(std::move(reason)) {}

}  // namespace murkvale
