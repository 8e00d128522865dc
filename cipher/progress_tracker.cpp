#include "cipher/progress_tracker.h"

#include <utility>

namespace murkvale {

namespace {

// 200 * j needs more than 64 bits once j passes 2^56.
__extension__ typedef unsigned __int128 Wide;

}  // namespace

ProgressTracker::ProgressTracker(std::uint64_t bodyLength, ProgressSink sink)
    : bodyLength_(bodyLength), sink_(std::move(sink)) {}

void ProgressTracker::reportPairs(std::uint64_t firstPair, std::uint64_t endPair) {
    if (!sink_ || bodyLength_ == 0) return;
    std::uint64_t j = firstPair;
    while (j < endPair) {
        const auto position = static_cast<int>(Wide{200} * j / bodyLength_);
        if (position != last_) {
            last_ = position;
            sink_(position);
        }
        // The first pair whose position is higher: ceil((position + 1) * N / 200).
        const Wide next = (Wide(static_cast<unsigned>(position) + 1) * bodyLength_ + 199) / 200;
        j = next > j ? static_cast<std::uint64_t>(next < endPair ? next : Wide{endPair}) : j + 1;
    }
}

}  // namespace murkvale
