// A sparse input just over 4 GiB: every size and offset must be 64-bit, or
// part of the file would be lost. Writes two real files of that size, each
// deleted as soon as it has been checked.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>

#include "cipher/vael_format.h"
#include "files/body_pump.h"
#include "files/platform_file.h"
#include "files/sealed_file.h"
#include "tests/files/scratch_folder.h"

namespace murkvale {
namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kFourGiB = std::uint64_t{1} << 32;
constexpr std::uint64_t kSize = kFourGiB + 3;  // odd, so the leading byte is kept as is

struct Mark {
    std::uint64_t offset;
    std::uint8_t value;
};
const Mark kMarks[] = {{0, 0x11},
                       {1, 0x22},
                       {kFourGiB - 2, 0x33},
                       {kFourGiB - 1, 0x44},
                       {kFourGiB, 0x55},
                       {kFourGiB + 1, 0x66},
                       {kSize - 1, 0x77},
                       {1u << 31, 0x88}};

std::uint8_t byteAt(const fs::path& path, std::uint64_t offset) {
    std::ifstream in(path, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    const int value = in.get();
    EXPECT_TRUE(in.good()) << "cannot read offset " << offset << " of " << path;
    return static_cast<std::uint8_t>(value);
}

// Where plain byte p lands in the sealed file: the header, then (N odd) the
// leading byte, then pairs stored second byte first.
std::uint64_t sealedOffsetOf(std::uint64_t p) {
    if (p == 0) return kVaelHeaderSize;
    const bool firstOfPair = (p - 1) % 2 == 0;
    return kVaelHeaderSize + (firstOfPair ? p + 1 : p - 1);
}

bool sameContent(const fs::path& a, const fs::path& b) {
    InputFile left(a, Sharing::WithOthers);
    InputFile right(b, Sharing::WithOthers);
    const std::unique_ptr<std::uint8_t[]> x(new std::uint8_t[kEngineBlockSize]);
    const std::unique_ptr<std::uint8_t[]> y(new std::uint8_t[kEngineBlockSize]);
    for (;;) {
        const std::size_t n = left.read(x.get(), kEngineBlockSize);
        if (right.read(y.get(), kEngineBlockSize) != n) return false;
        if (n == 0) return true;
        if (!std::equal(x.get(), x.get() + n, y.get())) return false;
    }
}

TEST(LargeFile, SealsAndOpensBeyondFourGiB) {
    testing::ScratchFolder folder;
    const fs::path input = folder / "sparse.bin";
    {
        std::ofstream out(input, std::ios::binary);
        ASSERT_TRUE(out);
    }
    fs::resize_file(input, kSize);
    {
        std::fstream out(input, std::ios::binary | std::ios::in | std::ios::out);
        for (const Mark& mark : kMarks) {
            out.seekp(static_cast<std::streamoff>(mark.offset));
            out.put(static_cast<char>(mark.value));
        }
        ASSERT_TRUE(out.flush());
    }

    const PasswordDigest digest = derivePasswordDigest("large");
    int lastPosition = -1;
    int calls = 0;
    sealFile(input, kSize, folder / "sealed.vae", Replace::Allowed, digest,
             RunHooks{[&](int p) {
                          ++calls;
                          lastPosition = p;
                      },
                      {}});
    EXPECT_EQ(calls, 100);
    EXPECT_EQ(lastPosition, 99);
    ASSERT_EQ(fs::file_size(folder / "sealed.vae"), kSize + kVaelHeaderSize);
    for (const Mark& mark : kMarks) {
        const auto keyed =
            static_cast<std::uint8_t>(mark.offset == 0 ? mark.value : mark.value + digest.key);
        EXPECT_EQ(byteAt(folder / "sealed.vae", sealedOffsetOf(mark.offset)), keyed)
            << "plain offset " << mark.offset;
    }

    {
        SealedFile sealed(folder / "sealed.vae");
        EXPECT_EQ(sealed.plainLength(), kSize);
        sealed.writePlain(folder / "plain.bin", Replace::Allowed, digest);
    }
    fs::remove(folder / "sealed.vae");
    EXPECT_TRUE(sameContent(input, folder / "plain.bin"));
}

}  // namespace
}  // namespace murkvale
