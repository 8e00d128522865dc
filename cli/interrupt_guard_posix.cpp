#include <csignal>
#include <iterator>

#include "cli/cli_error.h"
#include "cli/interrupt_guard.h"

namespace murkvale {
namespace {

volatile std::sig_atomic_t gRaised = 0;
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction gPrevious[std::size(kSignals)];

void raiseFlag(int) { gRaised = 1; }

}  // namespace

InterruptGuard::InterruptGuard() {
    gRaised = 0;
    struct sigaction action {};
    action.sa_handler = raiseFlag;
    // SA_RESETHAND: the second signal takes its default course.
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        sigaction(kSignals[i], nullptr, &gPrevious[i]);
        // A signal ignored by whoever started us (nohup, a background job) stays ignored.
        if (gPrevious[i].sa_handler != SIG_IGN) sigaction(kSignals[i], &action, nullptr);
    }
}

InterruptGuard::~InterruptGuard() {
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        sigaction(kSignals[i], &gPrevious[i], nullptr);
    }
}

void InterruptGuard::throwIfRaised() const {
    if (gRaised) throw CliError(ExitStatus::Failure, "Interrupted; nothing was written.");
}

}  // namespace murkvale
