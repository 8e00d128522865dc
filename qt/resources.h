#pragma once
// The icon and the About picture are compiled into the window's static
// library, whose resource table the linker would otherwise drop.
namespace murkvale {

// Safe to call more than once.
void loadWindowResources();

}  // namespace murkvale
