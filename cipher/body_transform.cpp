#include "cipher/body_transform.h"

#include <algorithm>
#include <stdexcept>

#include "cipher/swap_pairs.h"

namespace murkvale {

BodyTransform::BodyTransform(BodyDirection direction, std::uint64_t bodyLength, std::uint8_t key,
                             const ProgressSink& progress)
    : bodyLength_(bodyLength),
      add_(direction == BodyDirection::Seal ? key : static_cast<std::uint8_t>(0u - key)),
      progress_(bodyLength, progress) {}

BodyTransform::Finished BodyTransform::transformInPlace(std::uint8_t* data, std::size_t size) {
    if (size > remaining()) throw std::length_error("more bytes than the body holds");
    if (size == 0) return {data, 0};
    const std::uint64_t pairsBefore = pairsDone_;

    std::uint8_t* start = data;
    std::uint8_t* pairs = data;
    std::size_t available = size;
    if (consumed_ == 0 && bodyLength_ % 2 == 1) {
        // An odd body starts with one byte that is neither keyed nor swapped.
        ++pairs;
        --available;
    } else if (hasPending_) {
        start = data - 1;
        *start = pending_;
        pairs = start;
        ++available;
        hasPending_ = false;
    }
    const std::size_t pairCount = available / 2;
    swapPairsAdding(pairs, pairCount, add_);
    if (available % 2 == 1) {
        pending_ = pairs[2 * pairCount];
        hasPending_ = true;
    }
    consumed_ += size;
    pairsDone_ += pairCount;

    progress_.reportPairs(pairsBefore, pairsDone_);
    return {start, static_cast<std::size_t>(pairs - start) + 2 * pairCount};
}

namespace {

std::vector<std::uint8_t> transformWhole(BodyDirection direction,
                                         const std::vector<std::uint8_t>& in, std::uint8_t key,
                                         const ProgressSink& progress) {
    BodyTransform transform(direction, in.size(), key, progress);
    std::vector<std::uint8_t> buffer(in.size() + 1);
    std::copy(in.begin(), in.end(), buffer.begin() + 1);
    const BodyTransform::Finished done = transform.transformInPlace(buffer.data() + 1, in.size());
    return std::vector<std::uint8_t>(done.data, done.data + done.size);
}

}  // namespace

std::vector<std::uint8_t> encryptBody(const std::vector<std::uint8_t>& plain, std::uint8_t key,
                                      const ProgressSink& progress) {
    return transformWhole(BodyDirection::Seal, plain, key, progress);
}

std::vector<std::uint8_t> decryptBody(const std::vector<std::uint8_t>& body, std::uint8_t key,
                                      const ProgressSink& progress) {
    return transformWhole(BodyDirection::Open, body, key, progress);
}

}  // namespace murkvale
