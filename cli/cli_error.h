#pragma once
#include <stdexcept>
#include <string>

#include "cli/exit_status.h"

namespace murkvale {

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
