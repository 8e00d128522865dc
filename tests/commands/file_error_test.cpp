#include "commands/file_error.h"

#include <gtest/gtest.h>

namespace murkvale {
namespace {

struct FileErrorCase {
    FileErrorKind kind;
    const char* text;
};

TEST(FileError, ReportsEachKindWithThePathAsPassed) {
    const FileErrorCase cases[] = {
        {FileErrorKind::NotFound, "dir/a b.txt was not found."},
        {FileErrorKind::BadPath, "dir/a b.txt contains an invalid path."},
        {FileErrorKind::AccessDenied, "Access to dir/a b.txt was denied."},
        {FileErrorKind::SharingViolation,
         "A sharing violation occurred while accessing dir/a b.txt."},
        {FileErrorKind::LockViolation, "A locking violation occurred while accessing dir/a b.txt."},
        {FileErrorKind::TooManyOpenFiles,
         "dir/a b.txt could not be opened because there are too many open files."},
        {FileErrorKind::Generic, "An unknown error occurred while accessing dir/a b.txt."},
    };
    for (const auto& c : cases) {
        const FileError error(c.kind, "dir/a b.txt");
        EXPECT_EQ(error.message(), c.text);
        EXPECT_STREQ(error.what(), c.text);
        EXPECT_EQ(error.kind(), c.kind);
    }
}

TEST(FileError, GivesNonAsciiPathsInUtf8) {
    // On Windows the path is held as UTF-16; the text must still be UTF-8.
    const FileError error(FileErrorKind::NotFound,
                          std::filesystem::u8path("r\xC3\xA9sum\xC3\xA9.txt"));
    EXPECT_EQ(error.message(), "r\xC3\xA9sum\xC3\xA9.txt was not found.");
}

}  // namespace
}  // namespace murkvale
