#pragma once
#include "commands/file_error.h"

namespace murkvale {

// The report's kind for a Win32 error code from opening a file.
FileErrorKind fileErrorKindFor(unsigned long win32Error);

}  // namespace murkvale
