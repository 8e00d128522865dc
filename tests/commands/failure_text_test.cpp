#include "commands/failure_text.h"

#include <gtest/gtest.h>

namespace murkvale {
namespace {

EngineError cannotOpen(SystemCause cause, const std::filesystem::path& path) {
    return EngineError(FailureKind::CannotOpen, path, "engine words", SystemReason{2, "", cause});
}

TEST(CannotOpenReport, NamesEachCauseWithThePathAsPassed) {
    const std::pair<SystemCause, const char*> cases[] = {
        {SystemCause::NotFound, "dir/a b.txt was not found."},
        {SystemCause::BadPath, "dir/a b.txt contains an invalid path."},
        {SystemCause::AccessDenied, "Access to dir/a b.txt was denied."},
        {SystemCause::SharingViolation,
         "A sharing violation occurred while accessing dir/a b.txt."},
        {SystemCause::LockViolation, "A locking violation occurred while accessing dir/a b.txt."},
        {SystemCause::TooManyOpenFiles,
         "dir/a b.txt could not be opened because there are too many open files."},
        {SystemCause::Other, "An unknown error occurred while accessing dir/a b.txt."},
        {SystemCause::None, "An unknown error occurred while accessing dir/a b.txt."},
    };
    for (const auto& [cause, text] : cases) {
        EXPECT_EQ(cannotOpenReport(cannotOpen(cause, "dir/a b.txt")), text);
    }
}

TEST(CannotOpenReport, GivesNonAsciiPathsInUtf8) {
    // On Windows the path is held as UTF-16; the text must still be UTF-8.
    const auto error =
        cannotOpen(SystemCause::NotFound, std::filesystem::u8path("r\xC3\xA9sum\xC3\xA9.txt"));
    EXPECT_EQ(cannotOpenReport(error), "r\xC3\xA9sum\xC3\xA9.txt was not found.");
}

}  // namespace
}  // namespace murkvale
