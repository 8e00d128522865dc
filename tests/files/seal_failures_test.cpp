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

using Prepare = std::function<void(const ScratchFolder&, testing::Undo&)>;

struct SealFailure {
    const char* name;
    // Sets the scene in a folder that already holds in.txt and old.vae.
    Prepare prepare;
    std::function<void(const ScratchFolder&, std::uint64_t inputSize)> run;
    FailureKind kind;
    std::string mention;
    std::set<std::string> mayChange = {};
};

const Prepare nothing = [](const ScratchFolder&, testing::Undo&) {};

// Three blocks, so the progress sink runs while most of the input is unread.
constexpr std::uint64_t kInputSize = 3 * kEngineBlockSize;

// Hooks that do `action` once, after the first block is written.
RunHooks once(std::function<void()> action) {
    RunHooks hooks;
    hooks.checkpoint = [action, done = false]() mutable {
        if (!done) action();
        done = true;
    };
    return hooks;
}

const SealFailure kSealFailures[] = {
    {"missing input", nothing,
     [](const ScratchFolder& f, std::uint64_t) {
         sealFile(f / "missing.txt", 0, f / "out.vae", Replace::Allowed, kDigest);
     },
     FailureKind::CannotOpen, "missing.txt"},
    {"input is a folder",
     [](const ScratchFolder& f, testing::Undo&) { fs::create_directory(f / "dir.txt"); },
     [](const ScratchFolder& f, std::uint64_t) {
         sealFile(f / "dir.txt", 0, f / "out.vae", Replace::Allowed, kDigest);
     },
     FailureKind::CannotOpen, "dir.txt"},
    {"input is a named pipe",
     [](const ScratchFolder& f, testing::Undo&) { testing::namedPipeOrSkip(f / "pipe"); },
     [](const ScratchFolder& f, std::uint64_t) {
         sealFile(f / "pipe", 0, f / "out.vae", Replace::Allowed, kDigest);
     },
     FailureKind::CannotOpen, "pipe"},
    {"output is a device", nothing,
     [](const ScratchFolder& f, std::uint64_t size) {
         sealFile(f / "in.txt", size, testing::nullDevice(), Replace::Allowed, kDigest);
     },
     FailureKind::CannotWrite, testing::nullDevice().u8string()},
    {"input shorter than measured", nothing,
     [](const ScratchFolder& f, std::uint64_t size) {
         sealFile(f / "in.txt", size + 2, f / "out.vae", Replace::Allowed, kDigest);
     },
     FailureKind::InputChanged, "in.txt"},
    {"input longer than measured", nothing,
     [](const ScratchFolder& f, std::uint64_t size) {
         sealFile(f / "in.txt", size - 2, f / "out.vae", Replace::Allowed, kDigest);
     },
     FailureKind::InputChanged, "in.txt"},
    {"input shrinks while read",
     nothing,
     [](const ScratchFolder& f, std::uint64_t size) {
         sealFile(f / "in.txt", size, f / "out.vae", Replace::Allowed, kDigest,
                  once([&] { fs::resize_file(f / "in.txt", kEngineBlockSize + 10); }));
     },
     FailureKind::InputChanged,
     "in.txt",
     {"in.txt"}},
    {"input grows while read",
     nothing,
     [](const ScratchFolder& f, std::uint64_t size) {
         sealFile(f / "in.txt", size, f / "out.vae", Replace::Allowed, kDigest,
                  once([&] { fs::resize_file(f / "in.txt", size + 1); }));
     },
     FailureKind::InputChanged,
     "in.txt",
     {"in.txt"}},
    {"output is the input", nothing,
     [](const ScratchFolder& f, std::uint64_t size) {
         sealFile(f / "in.txt", size, f / "in.txt", Replace::Allowed, kDigest);
     },
     FailureKind::SameFile, "in.txt"},
    {"output is the input spelt another way",
     [](const ScratchFolder& f, testing::Undo&) { fs::create_directory(f / "sub"); },
     [](const ScratchFolder& f, std::uint64_t size) {
         sealFile(f / "in.txt", size, f / "sub" / ".." / "." / "in.txt", Replace::Allowed, kDigest);
     },
     FailureKind::SameFile, "in.txt"},
    {"output is a hard link to the input",
     [](const ScratchFolder& f, testing::Undo&) {
         fs::create_hard_link(f / "in.txt", f / "hard.vae");
     },
     [](const ScratchFolder& f, std::uint64_t size) {
         sealFile(f / "in.txt", size, f / "hard.vae", Replace::Allowed, kDigest);
     },
     FailureKind::SameFile, "hard.vae"},
    {"output is a symbolic link to the input",
     [](const ScratchFolder& f, testing::Undo&) {
         testing::symlinkOrSkip(f / "in.txt", f / "soft.vae");
     },
     [](const ScratchFolder& f, std::uint64_t size) {
         sealFile(f / "in.txt", size, f / "soft.vae", Replace::Allowed, kDigest);
     },
     FailureKind::SameFile, "soft.vae"},
    {"output folder is a file", nothing,
     [](const ScratchFolder& f, std::uint64_t size) {
         sealFile(f / "in.txt", size, f / "old.vae" / "out.vae", Replace::Allowed, kDigest);
     },
     FailureKind::CannotWrite, "out.vae"},
    {"output folder is missing", nothing,
     [](const ScratchFolder& f, std::uint64_t size) {
         sealFile(f / "in.txt", size, f / "nowhere" / "out.vae", Replace::Allowed, kDigest);
     },
     FailureKind::CannotWrite, "out.vae"},
    {"output is a folder",
     [](const ScratchFolder& f, testing::Undo&) { fs::create_directory(f / "folder.vae"); },
     [](const ScratchFolder& f, std::uint64_t size) {
         sealFile(f / "in.txt", size, f / "folder.vae", Replace::Allowed, kDigest);
     },
     FailureKind::CannotWrite, "folder.vae"},
    {"output turns into a folder before the rename",
     nothing,
     [](const ScratchFolder& f, std::uint64_t size) {
         sealFile(f / "in.txt", size, f / "old.vae", Replace::Allowed, kDigest, once([&] {
                      fs::remove(f / "old.vae");
                      fs::create_directory(f / "old.vae");
                  }));
     },
     FailureKind::CannotWrite,
     "old.vae",
     {"old.vae"}},
    {"folder without write access",
     [](const ScratchFolder& f, testing::Undo& undo) {
         testing::readOnlyFolderOrSkip(f / "locked", undo);
     },
     [](const ScratchFolder& f, std::uint64_t size) {
         sealFile(f / "in.txt", size, f / "locked" / "out.vae", Replace::Allowed, kDigest);
     },
     FailureKind::CannotWrite, "out.vae"},
    {"file size limit",
     [](const ScratchFolder&, testing::Undo& undo) { testing::fileSizeLimitOrSkip(100000, undo); },
     [](const ScratchFolder& f, std::uint64_t size) {
         sealFile(f / "in.txt", size, f / "out.vae", Replace::Allowed, kDigest);
     },
     FailureKind::CannotWrite, "out.vae"},
    {"disk full",
     [](const ScratchFolder& f, testing::Undo& undo) {
         testing::fullDiskFolderOrSkip(f / "full", undo);
     },
     [](const ScratchFolder& f, std::uint64_t size) {
         sealFile(f / "in.txt", size, f / "full" / "out.vae", Replace::Allowed, kDigest);
     },
     FailureKind::CannotWrite, "out.vae"},
};

// Names the row in failure reports instead of dumping its bytes.
void PrintTo(const SealFailure& row, std::ostream* out) { *out << row.name; }

class SealFileFailure : public ::testing::TestWithParam<SealFailure> {};

TEST_P(SealFileFailure, LeavesNothingBehind) {
    const SealFailure& c = GetParam();
    ScratchFolder folder;
    testing::writeBytes(folder / "in.txt", testing::patterned(kInputSize));
    testing::writeBytes(folder / "old.vae", {'o', 'l', 'd'});
    testing::Undo undo;
    c.prepare(folder, undo);
    if (IsSkipped()) return;
    testing::expectFailureLeavesFolderAsItWas(
        folder, c.kind, c.mention, [&] { c.run(folder, kInputSize); }, c.mayChange);
    undo.reset();
    if (c.mayChange.count("in.txt") == 0) {
        EXPECT_EQ(testing::readBytes(folder / "in.txt"), testing::patterned(kInputSize));
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, SealFileFailure, ::testing::ValuesIn(kSealFailures),
                         testing::rowName<SealFailure>);

}  // namespace
}  // namespace murkvale
