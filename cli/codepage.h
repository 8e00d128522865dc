#pragma once
#include <optional>
#include <string>

namespace murkvale {

// Converts password text to the bytes of Windows code page `codePage`, the form
// the window digests. The text is UTF-8 (on POSIX: the locale's encoding, UTF-8
// in the C locale). Throws CliError: Usage for a code page this system does not
// know, Failure for a character that the code page lacks.
std::string toCodePage(const std::string& text, unsigned codePage);

// The code page that text typed on the console goes through when none is given:
// the ANSI code page on Windows, as the window does; none elsewhere (raw bytes).
std::optional<unsigned> consoleCodePage();

}  // namespace murkvale
