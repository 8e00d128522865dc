#pragma once
#include <filesystem>
#include <stdexcept>
#include <string>

namespace murkvale {

enum class FailureKind {
    NotSealed,      // the file does not start with the Vael marker
    WrongPassword,  // the check byte differs from the password's, or is missing
    InputChanged,   // the input's length is not the one expected, or changed while read
    SameFile,       // the output is the input itself
    OutputExists,   // a file has the output's name and replacing it was not allowed
    CannotOpen,
    CannotRead,
    CannotWrite,
};

// The system's reason for a failure, sorted into the causes that the window's
// file-error reports name ("%1 was not found.", the sharing violation, ...).
enum class SystemCause {
    None,  // no system call failed: the engine refused on its own
    NotFound,
    BadPath,
    AccessDenied,
    SharingViolation,
    LockViolation,
    TooManyOpenFiles,
    Other,
};

struct SystemReason {
    int code = 0;      // errno, or the Win32 error code; 0 when no system call failed
    std::string text;  // the system's own words (UTF-8), or ours when code is 0
    SystemCause cause = SystemCause::None;
};

// Every failure of the file engine. what() is a full sentence in UTF-8 that
// names the file and the system's reason; the other parts let each front end
// choose its own words.
class EngineError : public std::runtime_error {
  public:
    EngineError(FailureKind kind, std::filesystem::path path, const std::string& message,
                SystemReason reason = {});

    FailureKind kind() const noexcept { return kind_; }
    const std::filesystem::path& path() const noexcept { return path_; }
    const SystemReason& reason() const noexcept { return reason_; }

  private:
    FailureKind kind_;
    std::filesystem::path path_;
    SystemReason reason_;
};

}  // namespace murkvale
