#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "files/error_text.h"
#include "files/platform_file.h"

namespace murkvale {

namespace {

SystemCause causeOf(int error) {
    switch (error) {
        case ENOENT:
            return SystemCause::NotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
        case EINVAL:
            return SystemCause::BadPath;
        case EACCES:
        case EPERM:
        case EISDIR:
        case EROFS:
            return SystemCause::AccessDenied;
        case ETXTBSY:
        case EBUSY:
            return SystemCause::SharingViolation;
        case ENOLCK:
        case EAGAIN:
            return SystemCause::LockViolation;
        case EMFILE:
        case ENFILE:
            return SystemCause::TooManyOpenFiles;
        default:
            return SystemCause::Other;
    }
}

SystemReason reason(int error) { return systemReason(static_cast<unsigned long>(error)); }

FileIdentity identityFrom(const struct stat& st) {
    return FileIdentity{static_cast<std::uint64_t>(st.st_dev),
                        static_cast<std::uint64_t>(st.st_ino)};
}

}  // namespace

SystemReason systemReason(unsigned long code) {
    const auto error = static_cast<int>(code);
    return SystemReason{error, std::strerror(error), causeOf(error)};
}

std::optional<ExistingFile> examine(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return ExistingFile{identityFrom(st), S_ISREG(st.st_mode)};
}

bool nameTaken(const std::filesystem::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// POSIX has no share modes, so `sharing` changes nothing here.
InputFile::InputFile(const std::filesystem::path& path, Sharing) : path_(path) {
    // Non-blocking, so a named pipe cannot stall the open; it is refused below.
    do {
        handle_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    } while (handle_ < 0 && errno == EINTR);
    if (handle_ < 0) throwCannotOpen(path_, reason(errno));
    struct stat st {};
    if (::fstat(handle_, &st) != 0) {
        const int error = errno;
        ::close(handle_);
        throwCannotOpen(path_, reason(error));
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(handle_);
        // A folder is refused as Windows refuses it, as an access denied.
        throwCannotOpen(
            path_, S_ISDIR(st.st_mode)
                       ? ownReason("it is a folder, not a regular file", SystemCause::AccessDenied)
                       : ownReason("it is not a regular file", SystemCause::Other));
    }
    ::fcntl(handle_, F_SETFL, ::fcntl(handle_, F_GETFL) & ~O_NONBLOCK);
}

InputFile::~InputFile() { ::close(handle_); }

std::uint64_t InputFile::length() const {
    struct stat st {};
    if (::fstat(handle_, &st) != 0) throwCannotRead(path_, reason(errno));
    return static_cast<std::uint64_t>(st.st_size);
}

FileIdentity InputFile::identity() const {
    struct stat st {};
    if (::fstat(handle_, &st) != 0) throwCannotRead(path_, reason(errno));
    return identityFrom(st);
}

void InputFile::seek(std::uint64_t offset) {
    if (::lseek(handle_, static_cast<off_t>(offset), SEEK_SET) < 0) {
        throwCannotRead(path_, reason(errno));
    }
}

std::size_t InputFile::read(std::uint8_t* buffer, std::size_t size) {
    std::size_t total = 0;
    while (total < size) {
        const ssize_t got = ::read(handle_, buffer + total, size - total);
        if (got < 0) {
            if (errno == EINTR) continue;
            throwCannotRead(path_, reason(errno));
        }
        if (got == 0) break;
        total += static_cast<std::size_t>(got);
    }
    return total;
}

std::uint32_t InputFile::permissionBits() const {
    struct stat st {};
    if (::fstat(handle_, &st) != 0) throwCannotRead(path_, reason(errno));
    // As cp: the set-id and sticky bits are not passed on.
    return static_cast<std::uint32_t>(st.st_mode & 0777);
}

bool isSystemName(const std::filesystem::path& path) {
    std::error_code ignored;
    const std::filesystem::path whole = std::filesystem::absolute(path, ignored).lexically_normal();
    const auto first = ++whole.begin();
    return first != whole.end() && (*first == "dev" || *first == "proc");
}

std::optional<std::filesystem::path> followedOutputName(const std::filesystem::path& path) {
    // Hop by hop, so a link that passes through a system name (as
    // /dev/stdout passes through /proc/self/fd/1) is caught there, whatever
    // it ends at.
    std::filesystem::path hop = path;
    for (int hops = 0; hops < 40; ++hops) {
        if (isSystemName(hop)) return hop;
        struct stat st {};
        if (::lstat(hop.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
        std::string next(static_cast<std::size_t>(st.st_size) + 256, '\0');
        const ssize_t size = ::readlink(hop.c_str(), next.data(), next.size());
        if (size < 0) return std::nullopt;
        next.resize(static_cast<std::size_t>(size));
        hop = hop.parent_path() / next;  // an absolute link replaces the folder
    }
    if (hop == path) return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return std::nullopt;
    std::filesystem::path target(resolved);
    ::free(resolved);
    return target;
}

void checkFolderTakes(const std::filesystem::path& target) {
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    // A missing folder, or a file where the folder should be, is reported by
    // the open, in its own words.
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return;
    // As this process's own rights, not the real user's.
    if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
        throwCannotWrite(target, reason(errno));
    }
    errno = 0;
    const long longest = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    if (longest > 0 && target.filename().native().size() > static_cast<std::size_t>(longest)) {
        throwCannotWrite(target, reason(ENAMETOOLONG));
    }
}

}  // namespace murkvale
