#pragma once
// The command line: its words, parsed, and the texts of --help and --version.
#include <optional>
#include <string>
#include <vector>

namespace murkvale {

enum class Action { Seal, Open, Info, Help, Version };

// Paths stay as given (UTF-8 on Windows, raw bytes elsewhere).
struct Arguments {
    Action action = Action::Help;
    std::string file;
    std::optional<std::string> output;
    bool force = false;
    bool quiet = false;
    std::optional<std::string> passwordFile;
    std::optional<int> passwordFd;
    std::optional<unsigned> codePage;
};

// `args` excludes the program name. Throws CliError (Usage) on any mistake.
Arguments parseArguments(const std::vector<std::string>& args);

std::string helpText();
std::string versionText();

}  // namespace murkvale
