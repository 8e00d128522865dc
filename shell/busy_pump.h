#pragma once
// Keeping a window alive while its own thread does long work.
#include <windows.h>

namespace murkvale {

// Dispatches what is queued for this thread's windows that keeps them alive:
// messages sent by the system and other programs (they are answered inside
// the look at the queue), painting, timers, the window frame (caption drags,
// the close box, Alt+F4 and Alt+Space, which may pause the work). Drops the
// user's clicks and keys on the windows and BM_CLICK posted to their buttons,
// which the system would otherwise keep and deliver once the work ends.
// Returns once the queue is empty, or after a few milliseconds of messages.
void pumpWhileBusy();

}  // namespace murkvale
