#include "cli/exit_status.h"

namespace murkvale {

ExitStatus exitStatusFor(FailureKind kind) noexcept {
    switch (kind) {
        case FailureKind::NotSealed:
            return ExitStatus::NotSealed;
        case FailureKind::WrongPassword:
            return ExitStatus::WrongPassword;
        case FailureKind::InputChanged:
        case FailureKind::SameFile:
        case FailureKind::CannotOpen:
        case FailureKind::CannotRead:
        case FailureKind::CannotWrite:
            break;
    }
    return ExitStatus::Failure;
}

}  // namespace murkvale
