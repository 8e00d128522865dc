// The system's error codes sorted into the causes the window's reports name.
#include <gtest/gtest.h>

#include <utility>

#include "files/platform_file.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#endif

namespace murkvale {
namespace {

TEST(SystemReason, CauseFollowsTheCode) {
    const std::pair<unsigned long, SystemCause> cases[] = {
#ifdef _WIN32
        {ERROR_FILE_NOT_FOUND, SystemCause::NotFound},
        {ERROR_PATH_NOT_FOUND, SystemCause::BadPath},
        {ERROR_INVALID_NAME, SystemCause::BadPath},
        {ERROR_ACCESS_DENIED, SystemCause::AccessDenied},
        {ERROR_SHARING_VIOLATION, SystemCause::SharingViolation},
        {ERROR_LOCK_VIOLATION, SystemCause::LockViolation},
        {ERROR_TOO_MANY_OPEN_FILES, SystemCause::TooManyOpenFiles},
        {ERROR_DISK_FULL, SystemCause::Other},
#else
        {ENOENT, SystemCause::NotFound},      {ENOTDIR, SystemCause::BadPath},
        {ENAMETOOLONG, SystemCause::BadPath}, {EACCES, SystemCause::AccessDenied},
        {EISDIR, SystemCause::AccessDenied},  {ETXTBSY, SystemCause::SharingViolation},
        {ENOLCK, SystemCause::LockViolation}, {EMFILE, SystemCause::TooManyOpenFiles},
        {ENOSPC, SystemCause::Other},
#endif
    };
    for (const auto& [code, cause] : cases) {
        const SystemReason reason = systemReason(code);
        EXPECT_EQ(reason.cause, cause) << "code " << code << ": " << reason.text;
        EXPECT_EQ(reason.code, static_cast<int>(code));
        EXPECT_FALSE(reason.text.empty());
    }
}

}  // namespace
}  // namespace murkvale
