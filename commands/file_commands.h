#pragma once
#include "commands/file_state.h"
#include "commands/window_services.h"

namespace murkvale {

// The three buttons of the main window. Each runs to completion. A file that
// cannot be opened for measuring leaves as EngineError (CannotOpen), for the
// window's framework to report (see cannotOpenReport).
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
