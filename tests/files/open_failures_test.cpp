#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <ostream>

#include "files/body_pump.h"
#include "files/sealed_file.h"
#include "tests/files/failure_check.h"
#include "tests/files/filesystem_tricks.h"

namespace murkvale {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::ScratchFolder;

const PasswordDigest kDigest = derivePasswordDigest("pw");
constexpr std::uint64_t kPlainSize = 3 * kEngineBlockSize + 1;

using Prepare = std::function<void(const ScratchFolder&, testing::Undo&)>;

struct OpenFailure {
    const char* name;
    // Sets the scene in a folder that holds sealed.vae (sealed with kDigest)
    // and old.txt, after sealed.vae has been opened.
    Prepare prepare;
    std::function<void(const ScratchFolder&, SealedFile&)> run;
    FailureKind kind;
    std::string mention;
    std::set<std::string> mayChange = {};
};

const Prepare nothing = [](const ScratchFolder&, testing::Undo&) {};

void writePlainTo(const fs::path& output, SealedFile& sealed, const RunHooks& hooks = {}) {
    sealed.writePlain(output, Replace::Allowed, kDigest, hooks);
}

RunHooks once(std::function<void()> action) {
    RunHooks hooks;
    hooks.checkpoint = [action, done = false]() mutable {
        if (!done) action();
        done = true;
    };
    return hooks;
}

const OpenFailure kOpenFailures[] = {
    {"wrong password", nothing,
     [](const ScratchFolder& f, SealedFile& s) {
         s.writePlain(f / "out.txt", Replace::Allowed, derivePasswordDigest("not pw"));
     },
     FailureKind::WrongPassword, "sealed.vae"},
    {"output is the sealed file", nothing,
     [](const ScratchFolder& f, SealedFile& s) { writePlainTo(f / "sealed.vae", s); },
     FailureKind::SameFile, "sealed.vae"},
    {"output is a hard link to the sealed file",
     [](const ScratchFolder& f, testing::Undo&) {
         fs::create_hard_link(f / "sealed.vae", f / "hard.txt");
     },
     [](const ScratchFolder& f, SealedFile& s) { writePlainTo(f / "hard.txt", s); },
     FailureKind::SameFile, "hard.txt"},
    {"output is a symbolic link to the sealed file",
     [](const ScratchFolder& f, testing::Undo&) {
         testing::symlinkOrSkip(f / "sealed.vae", f / "soft.txt");
     },
     [](const ScratchFolder& f, SealedFile& s) { writePlainTo(f / "soft.txt", s); },
     FailureKind::SameFile, "soft.txt"},
    {"sealed file shrank since it was opened",
     [](const ScratchFolder& f, testing::Undo&) { fs::resize_file(f / "sealed.vae", 100); },
     [](const ScratchFolder& f, SealedFile& s) { writePlainTo(f / "out.txt", s); },
     FailureKind::InputChanged, "sealed.vae"},
    {"sealed file replaced since it was opened",
     [](const ScratchFolder& f, testing::Undo&) {
         Bytes other = testing::readBytes(f / "sealed.vae");
         other[1] = static_cast<std::uint8_t>(other[1] + 1);
         testing::writeBytes(f / "sealed.vae", other);
     },
     [](const ScratchFolder& f, SealedFile& s) { writePlainTo(f / "out.txt", s); },
     FailureKind::InputChanged, "sealed.vae"},
    {"sealed file shrinks while read",
     nothing,
     [](const ScratchFolder& f, SealedFile& s) {
         writePlainTo(f / "out.txt", s,
                      once([&] { fs::resize_file(f / "sealed.vae", kEngineBlockSize); }));
     },
     FailureKind::InputChanged,
     "sealed.vae",
     {"sealed.vae"}},
    {"sealed file grows while read",
     nothing,
     [](const ScratchFolder& f, SealedFile& s) {
         writePlainTo(f / "out.txt", s,
                      once([&] { fs::resize_file(f / "sealed.vae", kPlainSize + 3); }));
     },
     FailureKind::InputChanged,
     "sealed.vae",
     {"sealed.vae"}},
    {"output folder is missing", nothing,
     [](const ScratchFolder& f, SealedFile& s) { writePlainTo(f / "nowhere" / "out.txt", s); },
     FailureKind::CannotWrite, "out.txt"},
    {"existing output turns into a folder before the rename",
     nothing,
     [](const ScratchFolder& f, SealedFile& s) {
         writePlainTo(f / "old.txt", s, once([&] {
                          fs::remove(f / "old.txt");
                          fs::create_directory(f / "old.txt");
                      }));
     },
     FailureKind::CannotWrite,
     "old.txt",
     {"old.txt"}},
    {"disk full",
     [](const ScratchFolder& f, testing::Undo& undo) {
         testing::fullDiskFolderOrSkip(f / "full", undo);
     },
     [](const ScratchFolder& f, SealedFile& s) { writePlainTo(f / "full" / "out.txt", s); },
     FailureKind::CannotWrite, "out.txt"},
};

// Names the row in failure reports instead of dumping its bytes.
void PrintTo(const OpenFailure& row, std::ostream* out) { *out << row.name; }

class OpenFileFailure : public ::testing::TestWithParam<OpenFailure> {};

TEST_P(OpenFileFailure, LeavesNothingBehind) {
    const OpenFailure& c = GetParam();
    ScratchFolder folder;
    const Bytes plain = testing::patterned(kPlainSize);
    testing::writeBytes(folder / "plain", plain);
    sealFile(folder / "plain", kPlainSize, folder / "sealed.vae", Replace::Allowed, kDigest);
    fs::remove(folder / "plain");
    const Bytes sealedBytes = testing::readBytes(folder / "sealed.vae");
    testing::writeBytes(folder / "old.txt", {'o', 'l', 'd'});

    SealedFile sealed(folder / "sealed.vae");
    testing::Undo undo;
    c.prepare(folder, undo);
    if (IsSkipped()) return;
    testing::expectFailureLeavesFolderAsItWas(
        folder, c.kind, c.mention, [&] { c.run(folder, sealed); }, c.mayChange);
}

INSTANTIATE_TEST_SUITE_P(Rows, OpenFileFailure, ::testing::ValuesIn(kOpenFailures),
                         testing::rowName<OpenFailure>);

TEST(SealedFile, RefusesFilesWithoutMarkerOrCheckByte) {
    struct Case {
        const char* name;
        Bytes content;
        bool marker;
        FailureKind kind;
    };
    const Case cases[] = {
        {"empty", {}, false, FailureKind::NotSealed},
        {"other marker", {0x02, kDigest.check, 1, 2}, false, FailureKind::NotSealed},
        {"marker only", {0x01}, true, FailureKind::WrongPassword},
        {"other check byte",
         {0x01, static_cast<std::uint8_t>(kDigest.check ^ 1), 1},
         true,
         FailureKind::WrongPassword},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchFolder folder;
        testing::writeBytes(folder / "in.vae", c.content);
        SealedFile sealed(folder / "in.vae");
        EXPECT_EQ(sealed.isVaelFile(), c.marker);
        EXPECT_FALSE(sealed.accepts(kDigest));
        testing::expectFailureLeavesFolderAsItWas(folder, c.kind, "in.vae", [&] {
            sealed.writePlain(folder / "out", Replace::Allowed, kDigest);
        });
    }
}

TEST(SealedFile, MissingFileIsNotCreated) {
    ScratchFolder folder;
    testing::expectFailureLeavesFolderAsItWas(folder, FailureKind::CannotOpen, "absent.vae",
                                              [&] { SealedFile sealed(folder / "absent.vae"); });
}

}  // namespace
}  // namespace murkvale
