#include <gtest/gtest.h>

#include <functional>

#include "files/sealed_file.h"
#include "tests/files/scratch_folder.h"

namespace murkvale {
namespace {

namespace fs = std::filesystem;

std::string messageOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const EngineError& error) {
        return error.what();
    }
    ADD_FAILURE() << "no failure";
    return {};
}

std::string quoted(const fs::path& path) { return "\"" + path.u8string() + "\""; }

TEST(EngineMessages, OwnSentencesNameTheFile) {
    testing::ScratchFolder folder;
    const fs::path in = folder / "in.txt";
    testing::writeBytes(in, testing::Bytes(10, 'x'));
    testing::writeBytes(folder / "plain.vae", testing::Bytes(4, 'p'));
    const PasswordDigest digest = derivePasswordDigest("pw");
    sealFile(in, 10, folder / "s.vae", Replace::Allowed, digest);

    struct Case {
        std::function<void()> call;
        std::string expected;
    };
    const Case cases[] = {
        {[&] { sealFile(in, 12, folder / "o.vae", Replace::Allowed, digest); },
         quoted(in) + " is 10 bytes long now, not the 12 bytes it had when it was loaded."},
        {[&] { sealFile(in, 10, in, Replace::Allowed, digest); },
         "Cannot write " + quoted(in) + ": it is the file being read, " + quoted(in) + "."},
        {[&] {
             SealedFile(folder / "plain.vae").writePlain(folder / "o", Replace::Allowed, digest);
         },
         quoted(folder / "plain.vae") + " is not a Vael file."},
        {[&] {
             SealedFile(folder / "s.vae")
                 .writePlain(folder / "o", Replace::Allowed, derivePasswordDigest("x"));
         },
         "Password mismatch! The password does not open " + quoted(folder / "s.vae") + "."},
    };
    for (const auto& c : cases) EXPECT_EQ(messageOf(c.call), c.expected);
}

// The reason comes from the system (strerror, or FormatMessageW turned into
// UTF-8): one sentence, no line break, one full stop.
TEST(EngineMessages, SystemReasonsEndTheSentence) {
    testing::ScratchFolder folder;
    testing::writeBytes(folder / "in.txt", {'a'});
    const PasswordDigest digest = derivePasswordDigest("pw");
    struct Case {
        std::function<void()> call;
        std::string start;
    };
    const Case cases[] = {
        {[&] { sealFile(folder / "gone.txt", 1, folder / "o.vae", Replace::Allowed, digest); },
         "Cannot open " + quoted(folder / "gone.txt") + ": "},
        {[&] { SealedFile(folder / "gone.vae"); },
         "Cannot open " + quoted(folder / "gone.vae") + ": "},
        {[&] { sealFile(folder / "in.txt", 1, folder / "no" / "o.vae", Replace::Allowed, digest); },
         "Cannot write " + quoted(folder / "no" / "o.vae") + ": "},
    };
    for (const auto& c : cases) {
        const std::string message = messageOf(c.call);
        SCOPED_TRACE(message);
        ASSERT_EQ(message.compare(0, c.start.size(), c.start), 0);
        const std::string reason = message.substr(c.start.size());
        EXPECT_GT(reason.size(), 2u);
        EXPECT_EQ(reason.back(), '.');
        EXPECT_NE(reason[reason.size() - 2], '.');
        EXPECT_EQ(reason.find_first_of("\r\n"), std::string::npos);
    }
}

}  // namespace
}  // namespace murkvale
