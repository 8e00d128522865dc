#include "cipher/body_transform.h"

#include <stdexcept>

#include "cipher/swap_pairs.h"

namespace murkvale {

BodyTransform::BodyTransform(BodyDirection direction, std::uint64_t bodyLength, std::uint8_t key,
                             const ProgressSink& progress)
    : bodyLength_(bodyLength),
      add_(direction == BodyDirection::Seal ? key : static_cast<std::uint8_t>(0u - key)),
      progress_(bodyLength, progress) {}

std::size_t BodyTransform::transform(const std::uint8_t* in, std::size_t size, std::uint8_t* out) {
    if (size > remaining()) throw std::length_error("more bytes than the body holds");
    const std::uint64_t pairsBefore = pairsDone_;
    std::size_t read = 0;
    std::size_t written = 0;

    // An odd body starts with one byte that is neither keyed nor swapped.
    if (consumed_ == 0 && bodyLength_ % 2 == 1 && size > 0) {
        out[written++] = in[read++];
        ++consumed_;
    }
    if (hasPending_ && read < size) {
        out[written++] = static_cast<std::uint8_t>(in[read++] + add_);
        out[written++] = static_cast<std::uint8_t>(pending_ + add_);
        hasPending_ = false;
        ++consumed_;
        ++pairsDone_;
    }
    const std::size_t pairs = (size - read) / 2;
    swapPairsAdding(in + read, out + written, pairs, add_);
    read += 2 * pairs;
    written += 2 * pairs;
    consumed_ += 2 * pairs;
    pairsDone_ += pairs;
    if (read < size) {
        pending_ = in[read++];
        hasPending_ = true;
        ++consumed_;
    }

    progress_.reportPairs(pairsBefore, pairsDone_);
    return written;
}

namespace {

std::vector<std::uint8_t> transformWhole(BodyDirection direction,
                                         const std::vector<std::uint8_t>& in, std::uint8_t key,
                                         const ProgressSink& progress) {
    BodyTransform transform(direction, in.size(), key, progress);
    std::vector<std::uint8_t> out(in.size() + 1);
    out.resize(transform.transform(in.data(), in.size(), out.data()));
    return out;
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
