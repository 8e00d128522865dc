// The checks the front ends make before anything is written: one table.
#include "files/checks.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <optional>

#include "tests/files/failure_check.h"
#include "tests/files/filesystem_tricks.h"

namespace murkvale {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;

struct CheckCase {
    const char* name;
    // Sets the scene in a folder that holds in.txt (5 bytes) and old.vae.
    std::function<void(const ScratchFolder&)> prepare;
    std::function<void(const ScratchFolder&)> check;
    std::optional<FailureKind> kind;  // none: the check passes
    SystemCause cause = SystemCause::None;
};

void sealable(const ScratchFolder& f, const char* name) {
    EXPECT_EQ(checkSealable(f / name, Sharing::None), 5u);
}

const auto nothing = [](const ScratchFolder&) {};

#ifdef _WIN32
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

const CheckCase kCases[] = {
    {"regular input", nothing, [](const ScratchFolder& f) { sealable(f, "in.txt"); }, {}},
    {"missing input", nothing, [](const ScratchFolder& f) { sealable(f, "gone.txt"); },
     FailureKind::CannotOpen, SystemCause::NotFound},
    {"input is a folder", [](const ScratchFolder& f) { fs::create_directory(f / "dir"); },
     [](const ScratchFolder& f) { sealable(f, "dir"); }, FailureKind::CannotOpen,
     SystemCause::AccessDenied},
    {"input under a file", nothing, [](const ScratchFolder& f) { sealable(f, "in.txt/x"); },
     FailureKind::CannotOpen, SystemCause::BadPath},
    // Only Windows has share modes: there a file open elsewhere cannot be opened
    // sharing nothing, as the window's Load File asks.
    {"input open elsewhere", nothing,
     [](const ScratchFolder& f) {
         std::ifstream other(f / "in.txt");
         sealable(f, "in.txt");
     },
     kWindows ? std::optional<FailureKind>(FailureKind::CannotOpen) : std::nullopt,
     kWindows ? SystemCause::SharingViolation : SystemCause::None},
    {"new output",
     nothing,
     [](const ScratchFolder& f) { checkOutput(f / "in.txt", f / "new.vae", Replace::Never); },
     {}},
    {"existing output, replacing allowed",
     nothing,
     [](const ScratchFolder& f) { checkOutput(f / "in.txt", f / "old.vae", Replace::Allowed); },
     {}},
    {"existing output, replacing not allowed", nothing,
     [](const ScratchFolder& f) { checkOutput(f / "in.txt", f / "old.vae", Replace::Never); },
     FailureKind::OutputExists},
    {"dangling link, replacing not allowed",
     [](const ScratchFolder& f) { testing::symlinkOrSkip(f / "nowhere", f / "link.vae"); },
     [](const ScratchFolder& f) { checkOutput(f / "in.txt", f / "link.vae", Replace::Never); },
     FailureKind::OutputExists},
    {"output is the input", nothing,
     [](const ScratchFolder& f) { checkOutput(f / "in.txt", f / "in.txt", Replace::Allowed); },
     FailureKind::SameFile},
    {"output is the input spelt another way",
     [](const ScratchFolder& f) { fs::create_directory(f / "sub"); },
     [](const ScratchFolder& f) {
         checkOutput(f / "in.txt", f / "sub" / ".." / "in.txt", Replace::Never);
     },
     FailureKind::SameFile},
    {"output is a hard link to the input",
     [](const ScratchFolder& f) { fs::create_hard_link(f / "in.txt", f / "hard.vae"); },
     [](const ScratchFolder& f) { checkOutput(f / "in.txt", f / "hard.vae", Replace::Allowed); },
     FailureKind::SameFile},
    {"output is a symbolic link to the input",
     [](const ScratchFolder& f) { testing::symlinkOrSkip(f / "in.txt", f / "soft.vae"); },
     [](const ScratchFolder& f) { checkOutput(f / "in.txt", f / "soft.vae", Replace::Allowed); },
     FailureKind::SameFile},
    {"output is a folder", [](const ScratchFolder& f) { fs::create_directory(f / "dir.vae"); },
     [](const ScratchFolder& f) { checkOutput(f / "in.txt", f / "dir.vae", Replace::Allowed); },
     FailureKind::CannotWrite},
    {"output is a device", nothing,
     [](const ScratchFolder& f) {
         checkOutput(f / "in.txt", testing::nullDevice(), Replace::Allowed);
     },
     FailureKind::CannotWrite},
};

void PrintTo(const CheckCase& row, std::ostream* out) { *out << row.name; }

class Checks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(Checks, PassOrRefuseWithoutWriting) {
    const CheckCase& c = GetParam();
    ScratchFolder folder;
    testing::writeBytes(folder / "in.txt", {'h', 'e', 'l', 'l', 'o'});
    testing::writeBytes(folder / "old.vae", {'o', 'l', 'd'});
    c.prepare(folder);
    if (IsSkipped()) return;
    if (!c.kind) {
        const auto before = testing::snapshot(folder);
        c.check(folder);
        EXPECT_EQ(testing::snapshot(folder), before);
        return;
    }
    try {
        c.check(folder);
        ADD_FAILURE() << "the check passed";
    } catch (const EngineError& error) {
        EXPECT_EQ(error.kind(), *c.kind) << error.what();
        if (c.cause != SystemCause::None) {
            EXPECT_EQ(error.reason().cause, c.cause) << error.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, Checks, ::testing::ValuesIn(kCases), testing::rowName<CheckCase>);

}  // namespace
}  // namespace murkvale
