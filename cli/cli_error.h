#pragma once
#include <stdexcept>
#include <string>

namespace murkvale {

// The process exit statuses that scripts can rely on; listed in --help.
enum class ExitStatus : int {
    Success = 0,
    Failure = 1,
    Usage = 2,
    NotSealed = 3,
    WrongPassword = 4,
};

// A refusal of the command-line tool itself; main() prints it and exits with its status.
class CliError : public std::runtime_error {
  public:
    CliError(ExitStatus status, const std::string& message)
        : std::runtime_error(message), status_(status) {}

    ExitStatus status() const noexcept { return status_; }

  private:
    ExitStatus status_;
};

}  // namespace murkvale
