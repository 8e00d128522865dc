#include <fcntl.h>

#include <csignal>

#include "cli/process.h"

namespace murkvale {

// A file-size limit or a closed pipe must come back from write() as an error
// that the engine reports and cleans up after, not end the process by a signal.
void prepareProcess() {
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
}

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{};
}

std::filesystem::path pathFromArgument(const std::string& argument) { return argument; }

void useDescriptorAsBytes(int) {}

int openForReading(const std::filesystem::path& path) {
    return ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

}  // namespace murkvale
