#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <vector>

#include "files/replaced_metadata.h"

namespace murkvale {

namespace {

// The ACL travels as the system.posix_acl_access attribute, so copying the
// attributes copies it too, with no library.
void copyAttributes(int to, const std::filesystem::path& from) {
    const ssize_t listSize = ::listxattr(from.c_str(), nullptr, 0);
    if (listSize <= 0) return;
    std::vector<char> names(static_cast<std::size_t>(listSize));
    const ssize_t got = ::listxattr(from.c_str(), names.data(), names.size());
    if (got <= 0) return;
    std::vector<char> value;
    for (const char* name = names.data(); name < names.data() + got;
         name += std::char_traits<char>::length(name) + 1) {
        const ssize_t size = ::getxattr(from.c_str(), name, nullptr, 0);
        if (size < 0) continue;
        value.resize(static_cast<std::size_t>(size));
        const ssize_t read = ::getxattr(from.c_str(), name, value.data(), value.size());
        // security.* and trusted.* need privileges the process may lack.
        if (read >= 0) ::fsetxattr(to, name, value.data(), static_cast<std::size_t>(read), 0);
    }
}

}  // namespace

void copyReplacedMetadata(NativeHandle to, const std::filesystem::path& replaced) {
    struct stat st {};
    if (::stat(replaced.c_str(), &st) != 0) return;
    // Owner first: changing it clears the set-id bits that chmod then restores.
    if (::fchown(to, st.st_uid, st.st_gid) != 0) {
        // Not root: a group the user belongs to can still be kept.
        (void)::fchown(to, static_cast<uid_t>(-1), st.st_gid);
    }
    copyAttributes(to, replaced);
    // After the ACL, whose mask chmod would otherwise change.
    (void)::fchmod(to, st.st_mode & 07777);
}

}  // namespace murkvale
