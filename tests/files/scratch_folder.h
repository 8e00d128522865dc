#pragma once
// A fresh folder per test, removed afterwards, with small file helpers.
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace murkvale::testing {

using Bytes = std::vector<std::uint8_t>;

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // Names of everything in the folder, so a stray temporary file shows.
    std::set<std::string> names() const;

private:
    std::filesystem::path path_;
};

void writeBytes(const std::filesystem::path& path, const Bytes& bytes);
Bytes readBytes(const std::filesystem::path& path);
Bytes patterned(std::size_t length, unsigned seed = 1);

}  // namespace murkvale::testing
