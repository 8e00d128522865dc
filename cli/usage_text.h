#pragma once
#include <string>

namespace murkvale {

std::string helpText();
std::string versionText();

}  // namespace murkvale
