#pragma once
#include <cstdint>

#include "cipher/progress.h"

namespace murkvale {

// Turns finished pairs into progress positions: after pair j of a body of
// `bodyLength` bytes the position is floor(200 * j / bodyLength), 0..99 since
// j stays below bodyLength / 2, and only changes reach the sink, so a file of
// any size makes at most 100 calls. A body without pairs reports nothing.
class ProgressTracker {
  public:
    ProgressTracker(std::uint64_t bodyLength, ProgressSink sink);

    // Reports the positions of pairs firstPair .. endPair - 1, in order,
    // without visiting each pair.
    void reportPairs(std::uint64_t firstPair, std::uint64_t endPair);

  private:
    std::uint64_t bodyLength_;
    ProgressSink sink_;  // a copy: callers often pass a temporary
    int last_ = -1;
};

}  // namespace murkvale
