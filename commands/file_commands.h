#pragma once
#include "commands/file_state.h"
#include "commands/window_services.h"

namespace murkvale {

// The three buttons of the main window. Each runs to completion; a FileError
// from the file-length query is left to the caller to report.
class FileCommands {
public:
    FileCommands(FileState& state, WindowServices& window) : state_(state), window_(window) {}

    void OnLoadFile();
    void OnEncrypt();
    void OnDecrypt();

private:
    FileState& state_;
    WindowServices& window_;
};

}  // namespace murkvale
