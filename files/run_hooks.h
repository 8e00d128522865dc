#pragma once
#include <functional>

#include "cipher/progress.h"

namespace murkvale {

// What a caller watches and steers while the engine writes an output.
struct RunHooks {
    // Positions 0..99 as the body is transformed (see ProgressTracker).
    ProgressSink progress;
    // Called after every block (at most 1 MiB of work apart) and once more
    // after the output is flushed to disk, just before it takes its name. It
    // may throw to abandon the run, which then leaves nothing behind.
    std::function<void()> checkpoint;
};

}  // namespace murkvale
