#include "tests/files/failure_check.h"

#include <gtest/gtest.h>

namespace murkvale::testing {

namespace {

// Length and a hash stand in for the content, so a failure stays readable.
std::string describe(const Bytes& bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (std::uint8_t b : bytes) hash = (hash ^ b) * 1099511628211ull;
    return std::to_string(bytes.size()) + " bytes, hash " + std::to_string(hash);
}

}  // namespace

std::map<std::string, std::string> snapshot(const ScratchFolder& folder,
                                            const std::set<std::string>& skip) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path())) {
        const std::string name = entry.path().lexically_relative(folder.path()).generic_u8string();
        if (skip.count(name) != 0) {
            entries[name] = "(may change)";
        } else if (entry.is_symlink()) {
            entries[name] = "link to " + std::filesystem::read_symlink(entry.path()).u8string();
        } else if (entry.is_directory()) {
            entries[name] = "folder";
        } else if (entry.is_regular_file()) {
            entries[name] = "file: " + describe(readBytes(entry.path()));
        } else {
            entries[name] = "special file";  // reading a pipe would wait for a writer
        }
    }
    return entries;
}

void expectFailureLeavesFolderAsItWas(const ScratchFolder& folder, FailureKind kind,
                                      const std::string& mention,
                                      const std::function<void()>& call,
                                      const std::set<std::string>& mayChange) {
    const auto before = snapshot(folder, mayChange);
    try {
        call();
        ADD_FAILURE() << "the call succeeded";
    } catch (const EngineError& error) {
        EXPECT_EQ(static_cast<int>(error.kind()), static_cast<int>(kind)) << error.what();
        EXPECT_NE(std::string(error.what()).find(mention), std::string::npos)
            << "\"" << error.what() << "\" does not mention " << mention;
    }
    EXPECT_EQ(snapshot(folder, mayChange), before);
}

}  // namespace murkvale::testing
