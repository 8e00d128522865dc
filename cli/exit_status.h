#pragma once
#include "files/engine_error.h"

namespace murkvale {

// The process exit statuses that scripts can rely on; listed in --help.
enum class ExitStatus : int {
    Success = 0,
    Failure = 1,
    Usage = 2,
    NotSealed = 3,
    WrongPassword = 4,
};

ExitStatus exitStatusFor(FailureKind kind) noexcept;

}  // namespace murkvale
