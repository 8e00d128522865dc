#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "files/early_writeback.h"
#include "files/error_text.h"
#include "files/output_road.h"
#include "files/platform_file.h"
#include "files/replaced_metadata.h"
#include "files/temp_name.h"

namespace murkvale {

namespace {

SystemReason reason(int error) { return systemReason(static_cast<unsigned long>(error)); }

// A write past RLIMIT_FSIZE raises SIGXFSZ, whose default ends the process
// and leaves a named temporary file behind. Ignored, the write fails with
// EFBIG and is reported like any other. A handler the program installed is kept.
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

std::filesystem::path folderOf(const std::filesystem::path& path) {
    const std::filesystem::path folder = path.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

// Makes the new name itself durable; a failure here cannot undo it, and the
// data is already on disk, so it is not reported.
void syncFolderOf(const std::filesystem::path& path) {
    const int fd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// File systems without O_TMPFILE (overlayfs before Linux 6.6, some network
// ones) answer with one of these.
bool unnamedRefused(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL || error == ENOSYS;
}

// An unnamed file is named through its /proc/self/fd link; without /proc
// only a privilege (AT_EMPTY_PATH) could name it.
bool procFdUsable() {
    static const bool usable = ::access("/proc/self/fd", X_OK) == 0;
    return usable;
}

// Holds back the signals that interrupt a run, so that no interrupt can come
// between the last check and the output taking its name.
class InterruptsHeld {
  public:
    InterruptsHeld() {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&held, signal);
        pthread_sigmask(SIG_BLOCK, &held, &previous_);
    }
    ~InterruptsHeld() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    InterruptsHeld(const InterruptsHeld&) = delete;
    InterruptsHeld& operator=(const InterruptsHeld&) = delete;

  private:
    sigset_t previous_;
};

}  // namespace

struct TempOutputFile::Impl {
    std::filesystem::path target;
    Replace replace;
    OutputRoad road;
    std::filesystem::path tempPath;  // the named roads' file; empty for the unnamed one
    int fd = -1;
    bool committed = false;
    std::uint64_t length = 0;
    EarlyWriteback writeback;

    void openUnnamed(std::uint32_t mode);
    void openNamed(std::uint32_t mode);
    void name();
    void nameUnnamed();
    void nameNamed();
    void linkThenUnlink();
};

void TempOutputFile::Impl::openUnnamed(std::uint32_t mode) {
    do {
        fd = ::open(folderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC,
                    static_cast<mode_t>(mode));
    } while (fd < 0 && errno == EINTR);
    if (fd >= 0 && procFdUsable()) return;
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    } else if (!unnamedRefused(errno)) {
        throwCannotWrite(target, reason(errno));
    }
    road = OutputRoad::Named;
}

void TempOutputFile::Impl::openNamed(std::uint32_t mode) {
    for (int attempt = 0;; ++attempt) {
        tempPath = tempPathBeside(target);
        fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                    static_cast<mode_t>(mode));
        if (fd >= 0) return;
        if ((errno != EEXIST && errno != EINTR) || attempt == 100) {
            tempPath.clear();
            throwCannotWrite(target, reason(errno));
        }
    }
}

void TempOutputFile::Impl::name() {
    if (road == OutputRoad::Unnamed) {
        nameUnnamed();
    } else {
        nameNamed();
    }
}

void TempOutputFile::Impl::nameUnnamed() {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (replace == Replace::Never) {
        // Fails with EEXIST whatever took the name since the check.
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) != 0) {
            if (errno == EEXIST) throwNameTaken(target);
            throwCannotWrite(target, reason(errno));
        }
        return;
    }
    // A link cannot replace, so the file gets a unique name first and that
    // is renamed over the target: a kill between the two leaves it named.
    std::filesystem::path named;
    for (int attempt = 0;; ++attempt) {
        named = tempPathBeside(target);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, named.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            break;
        }
        if (errno != EEXIST || attempt == 100) throwCannotWrite(target, reason(errno));
    }
    if (::rename(named.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(named.c_str());
        throwCannotWrite(target, reason(error));
    }
}

void TempOutputFile::Impl::nameNamed() {
    if (replace == Replace::Allowed) {
        if (::rename(tempPath.c_str(), target.c_str()) != 0) {
            throwCannotWrite(target, reason(errno));
        }
        return;
    }
    if (road == OutputRoad::NamedLinked) return linkThenUnlink();
    if (::renameat2(AT_FDCWD, tempPath.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
        return;
    }
    if (errno == EEXIST) throwNameTaken(target);
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
        throwCannotWrite(target, reason(errno));
    }
    road = OutputRoad::NamedLinked;
    recordOutputRoad(road);
    linkThenUnlink();
}

// link() never replaces; a kill between the two calls leaves the temporary
// name beside the complete output.
void TempOutputFile::Impl::linkThenUnlink() {
    if (::link(tempPath.c_str(), target.c_str()) != 0) {
        if (errno == EEXIST) throwNameTaken(target);
        throwCannotWrite(target, reason(errno));
    }
    ::unlink(tempPath.c_str());
}

TempOutputFile::TempOutputFile(const std::filesystem::path& target, Replace replace,
                               std::uint32_t newFileMode)
    : impl_(std::make_unique<Impl>()) {
    ignoreFileSizeSignal();
    impl_->target = target;
    impl_->replace = replace;
    impl_->road = requestedOutputRoad();
    if (impl_->road == OutputRoad::Unnamed) impl_->openUnnamed(newFileMode);
    if (impl_->road != OutputRoad::Unnamed) impl_->openNamed(newFileMode);
    recordOutputRoad(impl_->road);
}

TempOutputFile::~TempOutputFile() {
    if (impl_->fd >= 0) ::close(impl_->fd);
    if (!impl_->committed && !impl_->tempPath.empty()) ::unlink(impl_->tempPath.c_str());
}

void TempOutputFile::write(const std::uint8_t* data, std::size_t size) {
    Impl& impl = *impl_;
    while (size > 0) {
        const ssize_t done = ::write(impl.fd, data, size);
        if (done < 0) {
            if (errno == EINTR) continue;
            throwCannotWrite(impl.target, reason(errno));
        }
        if (done == 0) throwCannotWrite(impl.target, reason(ENOSPC));
        data += done;
        size -= static_cast<std::size_t>(done);
        impl.length += static_cast<std::uint64_t>(done);
    }
    impl.writeback.wrote(impl.fd, impl.length);
}

void TempOutputFile::commit(const std::function<void()>& lastCheck) {
    Impl& impl = *impl_;
    if (::fsync(impl.fd) != 0) throwCannotWrite(impl.target, reason(errno));
    if (impl.replace == Replace::Allowed) copyReplacedMetadata(impl.fd, impl.target);
    if (impl.road != OutputRoad::Unnamed) {
        const int fd = impl.fd;
        impl.fd = -1;
        // close() can report a deferred write error (e.g. on network file systems).
        if (::close(fd) != 0 && errno != EINTR) throwCannotWrite(impl.target, reason(errno));
    }
    {
        const InterruptsHeld held;
        if (lastCheck) lastCheck();
        impl.name();
        impl.committed = true;
    }
    syncFolderOf(impl.target);
}

}  // namespace murkvale
