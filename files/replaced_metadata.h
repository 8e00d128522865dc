#pragma once
// What an output that replaces a file keeps of that file, as cp keeps it.
#include <filesystem>

#include "files/platform_file.h"

namespace murkvale {

// Copies onto the open file `to` what `replaced` carries besides its content:
// on POSIX its mode, owner and group, ACL and extended attributes; on Windows
// its security descriptor and attributes. Whatever this process may not set is
// left as it is; nothing here fails the run.
void copyReplacedMetadata(NativeHandle to, const std::filesystem::path& replaced);

}  // namespace murkvale
