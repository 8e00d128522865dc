#include <windows.h>

#include <atomic>

#include "cli/cli_error.h"
#include "cli/interrupt_guard.h"

namespace murkvale {
namespace {

std::atomic<bool> gRaised{false};

// Runs on a thread of its own: the first Ctrl+C or Ctrl+Break is taken over,
// the next one falls through to the default handler, which ends the program.
BOOL WINAPI raiseFlag(DWORD type) {
    if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT) return FALSE;
    return gRaised.exchange(true) ? FALSE : TRUE;
}

}  // namespace

InterruptGuard::InterruptGuard() {
    gRaised = false;
    SetConsoleCtrlHandler(raiseFlag, TRUE);
}

InterruptGuard::~InterruptGuard() { SetConsoleCtrlHandler(raiseFlag, FALSE); }

void InterruptGuard::throwIfRaised() const {
    if (gRaised) throw CliError(ExitStatus::Failure, "Interrupted; nothing was written.");
}

}  // namespace murkvale
