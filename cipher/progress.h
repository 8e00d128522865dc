#pragma once
#include <functional>

namespace murkvale {

// Receives progress positions, each only when it differs from the last. The
// engine reports 0..99: the position after a pair counts the pairs done before
// it, so 100 is never reached (see ProgressTracker); callers that want to show
// a finished run draw 100 themselves.
using ProgressSink = std::function<void(int position)>;

}  // namespace murkvale
