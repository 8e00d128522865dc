#include <windows.h>

#include "cli/process_setup.h"

namespace murkvale {

// Load DLLs from System32 only, never from the current or the program's folder.
void prepareProcess() { SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32); }

}  // namespace murkvale
