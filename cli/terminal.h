#pragma once
#include <optional>
#include <string>

namespace murkvale {

// Asks on the terminal (the controlling terminal on POSIX, the console on
// Windows, whatever standard input is) with echo off. Returns the line without
// its ending, in the terminal's encoding on POSIX and in UTF-8 on Windows, or
// nothing when the input ends. Throws CliError (Usage) when there is no terminal.
std::optional<std::string> askHidden(const std::string& prompt);

}  // namespace murkvale
