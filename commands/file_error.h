#pragma once
#include <exception>
#include <filesystem>
#include <string>

namespace murkvale {

// Raised by the window's file-length query when a file cannot be opened; it
// leaves the command unhandled and the window reports it (stop icon, the
// application name as caption, message() as text).
enum class FileErrorKind {
    NotFound,
    BadPath,
    AccessDenied,
    SharingViolation,
    LockViolation,
    TooManyOpenFiles,
    Generic,
};

class FileError : public std::exception {
public:
    FileError(FileErrorKind kind, std::filesystem::path path);

    FileErrorKind kind() const noexcept { return kind_; }
    const std::filesystem::path& path() const noexcept { return path_; }
    // The report's text, e.g. "C:\a.txt was not found.", in UTF-8.
    std::string message() const;
    const char* what() const noexcept override;

private:
    FileErrorKind kind_;
    std::filesystem::path path_;
    std::string message_;
};

}  // namespace murkvale
