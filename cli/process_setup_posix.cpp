#include <csignal>

#include "cli/process_setup.h"

namespace murkvale {

// A file-size limit or a closed pipe must come back from write() as an error
// that the engine reports and cleans up after, not end the process by a signal.
void prepareProcess() {
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
}

}  // namespace murkvale
