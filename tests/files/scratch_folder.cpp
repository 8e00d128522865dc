#include "tests/files/scratch_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace murkvale::testing {

ScratchFolder::ScratchFolder() {
    std::random_device device;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string test = info ? info->name() : "test";
    path_ = std::filesystem::temp_directory_path() /
            ("murkvale-" + test + "-" + std::to_string(device()));
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::set<std::string> ScratchFolder::names() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
        names.insert(entry.path().filename().u8string());
    }
    return names;
}

void writeBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) ADD_FAILURE() << "cannot write fixture " << path;
}

Bytes readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) ADD_FAILURE() << "cannot read " << path;
    Bytes bytes(static_cast<std::size_t>(in.tellg()));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

Bytes patterned(std::size_t length, unsigned seed) {
    // A cheap generator: fixtures of several MiB are made often, also in
    // unoptimised sanitizer builds.
    std::uint32_t state = seed * 2654435761u + 1;
    Bytes bytes(length);
    for (auto& b : bytes) {
        state = state * 1664525u + 1013904223u;
        b = static_cast<std::uint8_t>(state >> 24);
    }
    return bytes;
}

}  // namespace murkvale::testing
