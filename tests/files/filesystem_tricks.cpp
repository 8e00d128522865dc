#include "tests/files/filesystem_tricks.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace murkvale::testing {

void symlinkOrSkip(const std::filesystem::path& target, const std::filesystem::path& link) {
    std::error_code error;
    std::filesystem::create_symlink(target, link, error);
    if (error) GTEST_SKIP() << "cannot make a symbolic link here: " << error.message();
}

#ifdef _WIN32

void namedPipeOrSkip(const std::filesystem::path&) {
    GTEST_SKIP() << "Windows named pipes do not live in folders";
}

std::filesystem::path nullDevice() { return "NUL"; }

void readOnlyFolderOrSkip(const std::filesystem::path&, Undo&) {
    GTEST_SKIP() << "folder write access on Windows is a matter of ACLs, which Wine does not enforce";
}

void fullDiskFolderOrSkip(const std::filesystem::path&, Undo&) {
    GTEST_SKIP() << "no small file system can be mounted from a Windows test";
}

void fileSizeLimitOrSkip(std::uint64_t, Undo&) {
    GTEST_SKIP() << "Windows has no per-process file size limit";
}

#else

namespace {

Undo unmountWhenDone(const std::filesystem::path& folder) {
    return Undo(nullptr, [folder](void*) { ::umount2(folder.c_str(), MNT_DETACH); });
}

}  // namespace

void namedPipeOrSkip(const std::filesystem::path& path) {
    if (::mkfifo(path.c_str(), 0600) != 0) {
        GTEST_SKIP() << "cannot make a named pipe: " << std::strerror(errno);
    }
}

std::filesystem::path nullDevice() { return "/dev/null"; }

void readOnlyFolderOrSkip(const std::filesystem::path& folder, Undo& undo) {
    std::filesystem::create_directory(folder);
    if (::geteuid() != 0) {
        std::filesystem::permissions(folder, std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_exec);
        undo = Undo(nullptr, [folder](void*) {
            std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        });
        return;
    }
    // Root ignores permission bits, but not a read-only mount.
    if (::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0) {
        GTEST_SKIP() << "root, and cannot bind-mount: " << std::strerror(errno);
    }
    undo = unmountWhenDone(folder);
    if (::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
        GTEST_SKIP() << "root, and cannot remount read-only: " << std::strerror(errno);
    }
}

void fullDiskFolderOrSkip(const std::filesystem::path& folder, Undo& undo) {
    std::filesystem::create_directory(folder);
    if (::mount("murkvale-test", folder.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a small tmpfs: " << std::strerror(errno);
    }
    undo = unmountWhenDone(folder);
}

void fileSizeLimitOrSkip(std::uint64_t bytes, Undo& undo) {
    struct rlimit old {};
    if (::getrlimit(RLIMIT_FSIZE, &old) != 0) {
        GTEST_SKIP() << "cannot read the file size limit: " << std::strerror(errno);
    }
    struct rlimit lowered = old;
    lowered.rlim_cur = static_cast<rlim_t>(bytes);
    if (::setrlimit(RLIMIT_FSIZE, &lowered) != 0) {
        GTEST_SKIP() << "cannot lower the file size limit: " << std::strerror(errno);
    }
    undo = Undo(nullptr, [old](void*) { ::setrlimit(RLIMIT_FSIZE, &old); });
}

#endif

}  // namespace murkvale::testing
