#pragma once
// What differs between the platforms outside the terminal: the command line's
// text, paths, and process-wide settings.
#include <filesystem>
#include <string>
#include <vector>

namespace murkvale {

// Process-wide settings made first thing in main().
void prepareProcess();

// The arguments after the program name: raw bytes on POSIX, UTF-8 converted
// from the wide command line on Windows, so non-ASCII names survive on both.
std::vector<std::string> commandLineArguments(int argc, char** argv);

std::filesystem::path pathFromArgument(const std::string& argument);

// The path as messages show it (UTF-8 on Windows, the bytes given elsewhere).
std::string pathText(const std::filesystem::path& path);

// Makes reads from descriptor `fd` give raw bytes (Windows' text mode would
// end the input at a 0x1A byte).
void readDescriptorAsBytes(int fd);

}  // namespace murkvale
