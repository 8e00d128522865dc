#include <unistd.h>

#include <cstdio>

#include "cli/console.h"

namespace murkvale {

bool stderrIsTerminal() { return isatty(STDERR_FILENO) == 1; }

void writeStderr(std::string_view utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
    std::fflush(stderr);
}

void writeStdout(std::string_view utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fflush(stdout);
}

}  // namespace murkvale
