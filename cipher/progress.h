#pragma once
#include <functional>

namespace murkvale {

// Receives progress positions 0..100, each only when it differs from the last.
using ProgressSink = std::function<void(int position)>;

}  // namespace murkvale
