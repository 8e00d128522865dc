// Sealed files made once and kept: their names say how they must open
// ("<outcome>_pw-<password>_<label>.vae"), and "opens" files must also be what
// sealing "<label>.plain" with that password gives, byte for byte.
#include <gtest/gtest.h>

#include "files/sealed_file.h"
#include "tests/files/scratch_folder.h"

namespace murkvale {
namespace {

struct GoldenName {
    std::string outcome;
    std::string password;
    std::string label;
};

GoldenName parse(const std::string& stem) {
    const auto first = stem.find('_');
    const auto second = stem.find('_', first + 1);
    return {stem.substr(0, first), stem.substr(first + 4, second - first - 4),
            stem.substr(second + 1)};
}

TEST(GoldenFiles, OpenAsTheirNamesSay) {
    const std::filesystem::path data = MURKVALE_TEST_DATA_DIR;
    int seen = 0;
    for (const auto& entry : std::filesystem::directory_iterator(data)) {
        if (entry.path().extension() != ".vae") continue;
        ++seen;
        const GoldenName name = parse(entry.path().stem().u8string());
        SCOPED_TRACE(entry.path().filename().u8string());
        const PasswordDigest digest = derivePasswordDigest(name.password);
        testing::ScratchFolder folder;
        SealedFile sealed(entry.path());
        if (name.outcome == "opens") {
            const testing::Bytes plain = testing::readBytes(data / (name.label + ".plain"));
            sealed.writePlain(folder / "plain", Replace::Allowed, digest);
            EXPECT_EQ(testing::readBytes(folder / "plain"), plain);
            sealFile(data / (name.label + ".plain"), plain.size(), folder / "sealed.vae",
                     Replace::Allowed, digest);
            EXPECT_EQ(testing::readBytes(folder / "sealed.vae"), testing::readBytes(entry.path()));
        } else {
            const FailureKind kind =
                name.outcome == "not-sealed" ? FailureKind::NotSealed : FailureKind::WrongPassword;
            ASSERT_TRUE(name.outcome == "not-sealed" || name.outcome == "wrong-password");
            EXPECT_EQ(sealed.isVaelFile(), kind != FailureKind::NotSealed);
            EXPECT_FALSE(sealed.accepts(digest));
            try {
                sealed.writePlain(folder / "plain", Replace::Allowed, digest);
                ADD_FAILURE() << "opened";
            } catch (const EngineError& error) {
                EXPECT_EQ(error.kind(), kind) << error.what();
            }
            EXPECT_TRUE(folder.names().empty());
        }
    }
    EXPECT_GE(seen, 5) << "golden files missing from " << data;
}

}  // namespace
}  // namespace murkvale
