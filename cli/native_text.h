#pragma once
// Command-line text and paths: raw bytes on POSIX, UTF-8 converted from the
// wide API on Windows, so non-ASCII names survive on both.
#include <filesystem>
#include <string>
#include <vector>

namespace murkvale {

// The arguments after the program name.
std::vector<std::string> commandLineArguments(int argc, char** argv);

std::filesystem::path pathFromArgument(const std::string& argument);

// The path as shown in messages (UTF-8 on Windows).
std::string pathForMessage(const std::filesystem::path& path);

// The path in double quotes, as every message shows it.
std::string quoted(const std::filesystem::path& path);

}  // namespace murkvale
