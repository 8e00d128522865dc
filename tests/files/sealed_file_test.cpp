#include "files/sealed_file.h"

#include <gtest/gtest.h>

#include "cipher/body_transform.h"
#include "cipher/vael_format.h"
#include "files/body_pump.h"
#include "tests/files/scratch_folder.h"

namespace murkvale {
namespace {

using testing::Bytes;
using testing::ScratchFolder;

TEST(SealedFile, RoundTripsAcrossBlockBoundaries) {
    const std::size_t lengths[] = {0,
                                   1,
                                   2,
                                   3,
                                   5,
                                   kEngineBlockSize - 1,
                                   kEngineBlockSize,
                                   kEngineBlockSize + 1,
                                   2 * kEngineBlockSize + 3};
    const PasswordDigest digest = derivePasswordDigest("pass word");
    for (std::size_t length : lengths) {
        SCOPED_TRACE(::testing::Message() << "length " << length);
        ScratchFolder folder;
        const Bytes plain = testing::patterned(length, static_cast<unsigned>(length));
        testing::writeBytes(folder / "in.bin", plain);

        std::vector<int> expectedSeal;
        std::vector<int> expectedOpen;
        Bytes expected = {kVaelMarker, digest.check};
        const Bytes body =
            encryptBody(plain, digest.key, [&](int p) { expectedSeal.push_back(p); });
        expected.insert(expected.end(), body.begin(), body.end());
        decryptBody(body, digest.key, [&](int p) { expectedOpen.push_back(p); });

        std::vector<int> sealProgress;
        sealFile(folder / "in.bin", length, folder / "out.vae", Replace::Allowed, digest,
                 RunHooks{[&](int p) { sealProgress.push_back(p); }, {}});
        EXPECT_EQ(testing::readBytes(folder / "out.vae"), expected);
        EXPECT_EQ(sealProgress, expectedSeal);

        SealedFile sealed(folder / "out.vae");
        EXPECT_EQ(sealed.sealedLength(), length + 2);
        EXPECT_EQ(sealed.plainLength(), length);
        EXPECT_TRUE(sealed.isVaelFile());
        EXPECT_TRUE(sealed.accepts(digest));
        std::vector<int> openProgress;
        sealed.writePlain(folder / "back.bin", Replace::Allowed, digest,
                          RunHooks{[&](int p) { openProgress.push_back(p); }, {}});
        EXPECT_EQ(testing::readBytes(folder / "back.bin"), plain);
        EXPECT_EQ(openProgress, expectedOpen);

        EXPECT_EQ(folder.names(), (std::set<std::string>{"in.bin", "out.vae", "back.bin"}));
    }
}

TEST(SealedFile, ReplacesExistingOutputsWhole) {
    ScratchFolder folder;
    const PasswordDigest digest = derivePasswordDigest("x");
    testing::writeBytes(folder / "in.txt", {'h', 'i'});
    testing::writeBytes(folder / "out.vae", Bytes(5000, 'o'));
    testing::writeBytes(folder / "back.txt", Bytes(5000, 'b'));

    sealFile(folder / "in.txt", 2, folder / "out.vae", Replace::Allowed, digest);
    EXPECT_EQ(testing::readBytes(folder / "out.vae").size(), 4u);
    SealedFile(folder / "out.vae").writePlain(folder / "back.txt", Replace::Allowed, digest);
    EXPECT_EQ(testing::readBytes(folder / "back.txt"), (Bytes{'h', 'i'}));
    EXPECT_EQ(folder.names(), (std::set<std::string>{"in.txt", "out.vae", "back.txt"}));
}

// A stream gets the bytes the file would hold, and no file appears.
TEST(SealedFile, StreamsWhatTheFileWouldHold) {
    struct Collect : OutputSink {
        void write(const std::uint8_t* data, std::size_t size) override {
            bytes.insert(bytes.end(), data, data + size);
        }
        Bytes bytes;
    };
    ScratchFolder folder;
    const PasswordDigest digest = derivePasswordDigest("stream");
    const Bytes plain = testing::patterned(2 * kEngineBlockSize + 3);
    testing::writeBytes(folder / "in.bin", plain);
    sealFile(folder / "in.bin", plain.size(), folder / "s.vae", Replace::Never, digest);

    Collect sealedStream;
    sealFileTo(folder / "in.bin", plain.size(), sealedStream, digest);
    EXPECT_EQ(sealedStream.bytes, testing::readBytes(folder / "s.vae"));
    Collect plainStream;
    SealedFile(folder / "s.vae").writePlainTo(plainStream, digest);
    EXPECT_EQ(plainStream.bytes, plain);
    EXPECT_EQ(folder.names(), (std::set<std::string>{"in.bin", "s.vae"}));
}

TEST(SealedFile, OpensTwiceFromTheSameHandle) {
    ScratchFolder folder;
    const PasswordDigest digest = derivePasswordDigest("twice");
    const Bytes plain = testing::patterned(1001);
    testing::writeBytes(folder / "in.bin", plain);
    sealFile(folder / "in.bin", plain.size(), folder / "s.vae", Replace::Allowed, digest);
    SealedFile sealed(folder / "s.vae");
    sealed.writePlain(folder / "a.bin", Replace::Allowed, digest);
    sealed.writePlain(folder / "b.bin", Replace::Allowed, digest);
    EXPECT_EQ(testing::readBytes(folder / "a.bin"), plain);
    EXPECT_EQ(testing::readBytes(folder / "b.bin"), plain);
}

TEST(SealedFile, NonAsciiNamesWork) {
    ScratchFolder folder;
    const PasswordDigest digest = derivePasswordDigest("p");
    const auto input = folder.path() / std::filesystem::u8path(u8"d\u00e9j\u00e0 vu.txt");
    const auto output = folder.path() / std::filesystem::u8path(u8"\u00fcber.vae");
    testing::writeBytes(input, {1, 2, 3});
    sealFile(input, 3, output, Replace::Allowed, digest);
    SealedFile(output).writePlain(folder / "back", Replace::Allowed, digest);
    EXPECT_EQ(testing::readBytes(folder / "back"), (Bytes{1, 2, 3}));
}

}  // namespace
}  // namespace murkvale
