#pragma once
// Ways to make a file system refuse a write. Each skips the current test,
// with the reason, where this system or user cannot set it up; each returned
// `undo` undoes the setting when released.
#include <cstdint>
#include <filesystem>
#include <memory>

namespace murkvale::testing {

using Undo = std::shared_ptr<void>;

void symlinkOrSkip(const std::filesystem::path& target, const std::filesystem::path& link);

void namedPipeOrSkip(const std::filesystem::path& path);

// The system's null device, which is not a regular file.
std::filesystem::path nullDevice();

// Creates `folder` so that nothing can be created in it, even by root.
void readOnlyFolderOrSkip(const std::filesystem::path& folder, Undo& undo);

// Creates `folder` on a file system with room for only 64 KiB.
void fullDiskFolderOrSkip(const std::filesystem::path& folder, Undo& undo);

// Lowers this process's file size limit (RLIMIT_FSIZE) to `bytes`.
void fileSizeLimitOrSkip(std::uint64_t bytes, Undo& undo);

}  // namespace murkvale::testing
