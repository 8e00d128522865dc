#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "files/error_text.h"
#include "files/platform_file.h"
#include "files/temp_name.h"

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

// A write past RLIMIT_FSIZE raises SIGXFSZ, whose default ends the process
// and leaves the temporary file behind. Ignored, the write fails with EFBIG
// and is reported like any other. A handler the program installed is kept.
void ignoreFileSizeSignal() {
    static const bool done = [] {
        struct sigaction current {};
        if (sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
            struct sigaction ignore {};
            ignore.sa_handler = SIG_IGN;
            sigemptyset(&ignore.sa_mask);
            sigaction(SIGXFSZ, &ignore, nullptr);
        }
        return true;
    }();
    (void)done;
}

// Makes the rename itself durable; a failure here cannot undo the rename,
// and the data is already on disk, so it is not reported.
void syncFolderOf(const std::filesystem::path& path) {
    std::filesystem::path folder = path.parent_path();
    if (folder.empty()) folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
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

TempOutputFile::TempOutputFile(const std::filesystem::path& target, Replace replace)
    : target_(target), replace_(replace) {
    ignoreFileSizeSignal();
    for (int attempt = 0;; ++attempt) {
        tempPath_ = tempPathBeside(target_);
        handle_ = ::open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (handle_ >= 0) break;
        if ((errno != EEXIST && errno != EINTR) || attempt == 100) {
            throwCannotWrite(target_, reason(errno));
        }
    }
    open_ = true;
}

TempOutputFile::~TempOutputFile() {
    closeHandle();
    if (!committed_) ::unlink(tempPath_.c_str());
}

void TempOutputFile::closeHandle() {
    if (open_) {
        open_ = false;
        ::close(handle_);
    }
}

void TempOutputFile::write(const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t done = ::write(handle_, data, size);
        if (done < 0) {
            if (errno == EINTR) continue;
            throwCannotWrite(target_, reason(errno));
        }
        if (done == 0) throwCannotWrite(target_, reason(ENOSPC));
        data += done;
        size -= static_cast<std::size_t>(done);
    }
}

void TempOutputFile::commit() {
    if (::fsync(handle_) != 0) throwCannotWrite(target_, reason(errno));
    open_ = false;
    // close() can report a deferred write error (e.g. on network file systems).
    if (::close(handle_) != 0 && errno != EINTR) throwCannotWrite(target_, reason(errno));
    if (::rename(tempPath_.c_str(), target_.c_str()) != 0) throwCannotWrite(target_, reason(errno));
    committed_ = true;
    syncFolderOf(target_);
}

}  // namespace murkvale
