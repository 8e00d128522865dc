#pragma once
// Everything for people goes to standard error, prefixed "murkvale: ", one line each.
#include <string>

namespace murkvale {

void say(const std::string& text);

}  // namespace murkvale
