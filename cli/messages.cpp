#include "cli/messages.h"

#include "cli/console.h"

namespace murkvale {

void say(const std::string& text) { writeStderr("murkvale: " + text + "\n"); }

}  // namespace murkvale
