#include "cipher/body_transform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "cipher/progress_tracker.h"

namespace murkvale {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Byte at a time, one progress call per pair, exactly as the format defines
// it; the sink then drops consecutive repeats.
struct Reference {
    Bytes body;
    std::vector<int> progress;
};

void recordDistinct(std::vector<int>& seen, int position) {
    if (seen.empty() || seen.back() != position) seen.push_back(position);
}

Reference referenceSeal(const Bytes& plain, std::uint8_t key) {
    Reference ref;
    const std::uint64_t n = plain.size();
    const std::uint64_t q = n / 2;
    const std::uint64_t r = n % 2;
    std::size_t at = 0;
    if (r != 0) ref.body.push_back(plain[at++]);
    for (std::uint64_t j = 0; j < q; ++j) {
        auto a = plain[at++];
        auto b = plain[at++];
        a = static_cast<std::uint8_t>(a + key);
        b = static_cast<std::uint8_t>(b + key);
        ref.body.push_back(b);
        ref.body.push_back(a);
        recordDistinct(ref.progress, static_cast<int>(200 * j / n));
    }
    return ref;
}

// Driven by the sealed length L, as the opening side is.
Reference referenceOpen(const Bytes& body, std::uint8_t key) {
    Reference ref;
    const std::uint64_t sealedLength = body.size() + 2;
    const std::uint64_t q = sealedLength / 2;
    const std::uint64_t r = sealedLength % 2;
    std::size_t at = 0;
    if (r != 0) ref.body.push_back(body[at++]);
    for (std::uint64_t j = 0; j + 1 < q; ++j) {
        auto x = body[at++];
        auto y = body[at++];
        x = static_cast<std::uint8_t>(x - key);
        y = static_cast<std::uint8_t>(y - key);
        ref.body.push_back(y);
        ref.body.push_back(x);
        recordDistinct(ref.progress, static_cast<int>(200 * j / (sealedLength - 2)));
    }
    return ref;
}

Reference runInPieces(BodyDirection direction, const Bytes& in, std::uint8_t key,
                      std::size_t pieceSize) {
    Reference got;
    const ProgressSink sink = [&](int p) { got.progress.push_back(p); };
    BodyTransform transform(direction, in.size(), key, sink);
    Bytes buffer(pieceSize + 1);
    for (std::size_t at = 0; at < in.size(); at += pieceSize) {
        const std::size_t size = std::min(pieceSize, in.size() - at);
        // Fill the byte in front with junk: only a held-back byte may land there.
        buffer[0] = 0xEE;
        std::copy_n(in.begin() + static_cast<std::ptrdiff_t>(at), size, buffer.begin() + 1);
        const auto done = transform.transformInPlace(buffer.data() + 1, size);
        EXPECT_GE(done.data, buffer.data());
        got.body.insert(got.body.end(), done.data, done.data + done.size);
    }
    EXPECT_TRUE(transform.finished());
    return got;
}

Bytes patterned(std::size_t length) {
    Bytes bytes(length);
    for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<std::uint8_t>(i * 37 + 11);
    return bytes;
}

TEST(BodyTransform, KnownBodies) {
    struct Case {
        Bytes plain;
        std::uint8_t key;
        Bytes body;
    };
    const Case cases[] = {
        {{}, 0x00, {}},
        {{0x7F}, 0x55, {0x7F}},  // a lone byte is neither keyed nor swapped
        {{0x61, 0x62, 0x63, 0x64}, 0x00, {0x62, 0x61, 0x64, 0x63}},
        {{0x61, 0x62, 0x63}, 0x00, {0x61, 0x63, 0x62}},
        {{0x10, 0xFF}, 0x05, {0x04, 0x15}},  // keying wraps: 0xFF + 5 = 4
    };
    for (const auto& c : cases) {
        EXPECT_EQ(encryptBody(c.plain, c.key), c.body);
        EXPECT_EQ(decryptBody(c.body, c.key), c.plain);
    }
}

TEST(BodyTransform, ProgressOfSmallBodies) {
    struct Case {
        std::size_t length;
        std::vector<int> positions;
    };
    const Case cases[] = {
        {0, {}}, {1, {}}, {2, {0}}, {3, {0}}, {4, {0, 50}}, {5, {0, 40}}, {6, {0, 33, 66}},
    };
    for (const auto& c : cases) {
        for (auto direction : {BodyDirection::Seal, BodyDirection::Open}) {
            std::vector<int> seen;
            const ProgressSink sink = [&](int p) { seen.push_back(p); };
            BodyTransform transform(direction, c.length, 0x33, sink);
            Bytes buffer = patterned(c.length + 1);
            transform.transformInPlace(buffer.data() + 1, c.length);
            EXPECT_EQ(seen, c.positions) << "length " << c.length;
        }
    }
}

TEST(BodyTransform, PiecesOfAnySizeMatchTheReference) {
    const std::size_t lengths[] = {0, 1, 2, 3, 4, 5, 255, 256, 4097, 70001, 300000};
    const std::size_t pieceSizes[] = {1, 2, 3, 7, 4096, std::size_t{1} << 20};
    for (std::size_t length : lengths) {
        const Bytes plain = patterned(length);
        const Reference sealed = referenceSeal(plain, 0xC5);
        const Reference opened = referenceOpen(sealed.body, 0xC5);
        ASSERT_EQ(opened.body, plain);
        for (std::size_t piece : pieceSizes) {
            SCOPED_TRACE(testing::Message() << "length " << length << ", piece " << piece);
            const Reference gotSealed = runInPieces(BodyDirection::Seal, plain, 0xC5, piece);
            EXPECT_EQ(gotSealed.body, sealed.body);
            EXPECT_EQ(gotSealed.progress, sealed.progress);
            const Reference gotOpened = runInPieces(BodyDirection::Open, sealed.body, 0xC5, piece);
            EXPECT_EQ(gotOpened.body, plain);
            EXPECT_EQ(gotOpened.progress, opened.progress);
        }
    }
}

TEST(BodyTransform, RefusesBytesBeyondTheBody) {
    BodyTransform transform(BodyDirection::Seal, 3, 0, {});
    Bytes buffer(5);
    EXPECT_THROW(transform.transformInPlace(buffer.data() + 1, 4), std::length_error);
    transform.transformInPlace(buffer.data() + 1, 3);
    EXPECT_THROW(transform.transformInPlace(buffer.data() + 1, 1), std::length_error);
}

TEST(ProgressTracker, SplitRangesGiveEachPositionOnce) {
    // Small bodies against a pair-by-pair count; huge ones, where every
    // position owns many pairs, must give exactly 0..99 without overflowing.
    std::vector<int> zeroTo99(100);
    for (int v = 0; v < 100; ++v) zeroTo99[static_cast<std::size_t>(v)] = v;
    const std::uint64_t lengths[] = {199, 201, 1001, std::numeric_limits<std::uint64_t>::max(),
                                     (std::uint64_t{1} << 40) + 3};
    for (std::uint64_t length : lengths) {
        std::vector<int> seen;
        const ProgressSink sink = [&](int p) { seen.push_back(p); };
        ProgressTracker tracker(length, sink);
        const std::uint64_t pairs = length / 2;
        tracker.reportPairs(0, pairs / 3);
        tracker.reportPairs(pairs / 3, pairs / 3 + 1);
        tracker.reportPairs(pairs / 3 + 1, pairs);

        std::vector<int> expected = zeroTo99;
        if (length < 10000) {
            expected.clear();
            for (std::uint64_t j = 0; j < pairs; ++j) {
                recordDistinct(expected, static_cast<int>(200 * j / length));
            }
        }
        EXPECT_EQ(seen, expected) << "length " << length;
    }
}

}  // namespace
}  // namespace murkvale
