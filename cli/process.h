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

// Makes descriptor `fd` carry raw bytes (Windows' text mode would end input at
// a 0x1A byte and turn every LF written into CRLF).
void useDescriptorAsBytes(int fd);

// A descriptor reading `path`, or -1 with errno set.
int openForReading(const std::filesystem::path& path);

}  // namespace murkvale
