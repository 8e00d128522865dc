#pragma once
#include <cstdint>
#include <filesystem>

namespace murkvale {

// Opens an existing file for reading, sharing it with no one, and returns its
// length. Throws FileError, its kind taken from the system's reason.
std::uint64_t queryFileLength(const std::filesystem::path& path);

}  // namespace murkvale
