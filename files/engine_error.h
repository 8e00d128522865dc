#pragma once
#include <filesystem>
#include <stdexcept>
#include <string>

namespace murkvale {

enum class FailureKind {
    NotSealed,      // the file does not start with the Vael marker
    WrongPassword,  // the check byte differs from the password's
    InputChanged,   // the input's length is not the one expected, or changed while read
    SameFile,       // the output is the input itself
    CannotOpen,
    CannotRead,
    CannotWrite,
};

// Every failure of the file engine. what() is a full sentence in UTF-8 that
// names the file and the system's reason; kind() lets callers choose their own words.
class EngineError : public std::runtime_error {
public:
    EngineError(FailureKind kind, std::filesystem::path path, const std::string& message);

    FailureKind kind() const noexcept { return kind_; }
    const std::filesystem::path& path() const noexcept { return path_; }

private:
    FailureKind kind_;
    std::filesystem::path path_;
};

}  // namespace murkvale
