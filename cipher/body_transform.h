#pragma once
// The sealed body: a leading odd byte copied as is, then pairs stored swapped,
// each byte plus the key (sealing) or minus it (opening).
#include <cstddef>
#include <cstdint>
#include <vector>

#include "cipher/progress.h"
#include "cipher/progress_tracker.h"

namespace murkvale {

enum class BodyDirection { Seal, Open };

// Transforms one body in pieces of any size. A pair split between two pieces
// is held back until its second byte arrives, so the bytes and the progress
// positions are the same whatever the piece sizes.
class BodyTransform {
public:
    BodyTransform(BodyDirection direction, std::uint64_t bodyLength, std::uint8_t key,
                  const ProgressSink& progress);

    struct Finished {
        std::uint8_t* data;
        std::size_t size;
    };

    // Transforms the next `size` body bytes at `data` in place. data[-1] must
    // be writable: a pair begun in the previous piece is finished there, so the
    // finished bytes start at data - 1 or at data. One byte may be held back
    // for the next piece. Throws std::length_error when fed more than the body.
    Finished transformInPlace(std::uint8_t* data, std::size_t size);

    std::uint64_t remaining() const { return bodyLength_ - consumed_; }
    bool finished() const { return consumed_ == bodyLength_; }

private:
    std::uint64_t bodyLength_;
    std::uint8_t add_;  // the key, or its negation when opening
    std::uint64_t consumed_ = 0;
    std::uint64_t pairsDone_ = 0;
    bool hasPending_ = false;
    std::uint8_t pending_ = 0;
    ProgressTracker progress_;
};

// Whole-buffer forms, for callers that hold the body in memory.
std::vector<std::uint8_t> encryptBody(const std::vector<std::uint8_t>& plain, std::uint8_t key,
                                      const ProgressSink& progress = {});
std::vector<std::uint8_t> decryptBody(const std::vector<std::uint8_t>& body, std::uint8_t key,
                                      const ProgressSink& progress = {});

}  // namespace murkvale
