#pragma once

namespace murkvale {

// Whether others may open a file while it is read. With None the open fails
// when the file is open elsewhere, as the window's file reports expect (only
// Windows has share modes; elsewhere both are the same).
enum class Sharing { WithOthers, None };

// Whether a file that already has the output's name may be replaced.
enum class Replace { Never, Allowed };

}  // namespace murkvale
