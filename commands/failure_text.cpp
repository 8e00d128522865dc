#include "commands/failure_text.h"

namespace murkvale {

std::string cannotOpenReport(const EngineError& error) {
    const std::string path = error.path().u8string();
    switch (error.reason().cause) {
        case SystemCause::NotFound:
            return path + " was not found.";
        case SystemCause::BadPath:
            return path + " contains an invalid path.";
        case SystemCause::AccessDenied:
            return "Access to " + path + " was denied.";
        case SystemCause::SharingViolation:
            return "A sharing violation occurred while accessing " + path + ".";
        case SystemCause::LockViolation:
            return "A locking violation occurred while accessing " + path + ".";
        case SystemCause::TooManyOpenFiles:
            return path + " could not be opened because there are too many open files.";
        case SystemCause::None:
        case SystemCause::Other:
            break;
    }
    return "An unknown error occurred while accessing " + path + ".";
}

std::string runFailureText(const EngineError& error, const std::filesystem::path& output,
                           const char* activity) {
    if (error.kind() == FailureKind::SameFile) {
        return "\"" + output.u8string() + "\" is the file being " + activity +
               ". Nothing was written; choose another output file.";
    }
    return error.what();
}

}  // namespace murkvale
