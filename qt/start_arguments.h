#pragma once
// What murkvale-gui was started with, after Qt took its own options:
// [--help | --version] or at most one FILE ("--" ends the options).
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace murkvale {

struct StartArguments {
    enum class Action { Run, Help, Version, Refused };
    Action action = Action::Run;
    std::optional<std::filesystem::path> file;
    std::string refusal;  // why, when Refused
};

StartArguments parseStartArguments(const std::vector<std::string>& arguments);

inline constexpr char kStartUsage[] = "usage: murkvale-gui [FILE]\n";

}  // namespace murkvale
