#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

namespace murkvale {

inline constexpr char kStatusFree[] = "Free";
inline constexpr char kStatusEncrypting[] = "Encrypting...";
inline constexpr char kStatusDecrypting[] = "Decrypting...";

// What the main window shows. An empty path means no file is loaded.
struct FileState {
    std::filesystem::path m_filePath;
    std::uint64_t m_fileSize = 0;  // measured when the path was set
    std::string m_status = kStatusFree;
};

}  // namespace murkvale
