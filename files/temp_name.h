#pragma once
#include <filesystem>

namespace murkvale {

// A fresh name in the folder of `target` for a temporary file; callers still
// create it exclusively and retry on a clash.
std::filesystem::path tempPathBeside(const std::filesystem::path& target);

}  // namespace murkvale
