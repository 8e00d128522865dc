#pragma once
// Writing to standard error and output; on a Windows console, UTF-8 text is
// shown through the wide API so that non-ASCII names print correctly.
#include <string_view>

namespace murkvale {

bool stderrIsTerminal();
void writeStderr(std::string_view utf8);
void writeStdout(std::string_view utf8);

}  // namespace murkvale
