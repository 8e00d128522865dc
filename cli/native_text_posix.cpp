#include "cli/native_text.h"

namespace murkvale {

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{};
}

std::filesystem::path pathFromArgument(const std::string& argument) { return argument; }

std::string quoted(const std::filesystem::path& path) { return "\"" + pathForMessage(path) + "\""; }

std::string pathForMessage(const std::filesystem::path& path) { return path.string(); }

}  // namespace murkvale
