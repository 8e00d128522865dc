#include "commands/file_error.h"

#include <utility>

namespace murkvale {
namespace {

std::string messageFor(FileErrorKind kind, const std::string& path) {
    switch (kind) {
        case FileErrorKind::NotFound:
            return path + " was not found.";
        case FileErrorKind::BadPath:
            return path + " contains an invalid path.";
        case FileErrorKind::AccessDenied:
            return "Access to " + path + " was denied.";
        case FileErrorKind::SharingViolation:
            return "A sharing violation occurred while accessing " + path + ".";
        case FileErrorKind::LockViolation:
            return "A locking violation occurred while accessing " + path + ".";
        case FileErrorKind::TooManyOpenFiles:
            return path + " could not be opened because there are too many open files.";
        case FileErrorKind::Generic:
            break;
    }
    return "An unknown error occurred while accessing " + path + ".";
}

}  // namespace

FileError::FileError(FileErrorKind kind, std::filesystem::path path)
    : kind_(kind), path_(std::move(path)), message_(messageFor(kind_, path_.u8string())) {}

std::string FileError::message() const { return message_; }

const char* FileError::what() const noexcept { return message_.c_str(); }

}  // namespace murkvale
