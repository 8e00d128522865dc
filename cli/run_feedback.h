#pragma once
#include "cipher/progress.h"
#include "cli/interrupt_guard.h"
#include "cli/progress_bar.h"

namespace murkvale {

// What a run shows and watches while the engine works: the progress bar, and
// Ctrl+C, which unwinds through the engine so nothing is left behind.
class RunFeedback {
  public:
    RunFeedback(const char* label, bool quiet);

    // For the engine; valid while this object lives.
    ProgressSink sink();

  private:
    InterruptGuard interrupts_;
    ProgressBar bar_;
};

// A file the window could open: the marker and a check byte. A lone marker
// byte has no check byte, so no password can open it.
class SealedFile;
bool hasVaelHeader(const SealedFile& sealed);

}  // namespace murkvale
