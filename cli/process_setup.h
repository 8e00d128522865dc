#pragma once

namespace murkvale {

// Process-wide settings made first thing in main().
void prepareProcess();

}  // namespace murkvale
