#include "shell/file_error_kind.h"

#include <windows.h>

namespace murkvale {

FileErrorKind fileErrorKindFor(unsigned long win32Error) {
    switch (win32Error) {
        case ERROR_FILE_NOT_FOUND:
            return FileErrorKind::NotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_DIRECTORY:
            return FileErrorKind::BadPath;
        case ERROR_ACCESS_DENIED:
            return FileErrorKind::AccessDenied;
        case ERROR_SHARING_VIOLATION:
            return FileErrorKind::SharingViolation;
        case ERROR_LOCK_VIOLATION:
            return FileErrorKind::LockViolation;
        case ERROR_TOO_MANY_OPEN_FILES:
            return FileErrorKind::TooManyOpenFiles;
        default:
            return FileErrorKind::Generic;
    }
}

}  // namespace murkvale
