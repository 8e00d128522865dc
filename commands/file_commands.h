#pragma once
#include <chrono>
#include <filesystem>
#include <optional>
#include <vector>

#include "commands/file_state.h"
#include "commands/window_services.h"

namespace murkvale {

// The most work a run does between two calls of keepAlive(): well inside the
// 100 ms a person notices, and a run shorter than this never pays for one.
inline constexpr std::chrono::milliseconds kKeepAliveEvery{50};

// The three buttons of the main window and files dropped on it. Each runs to
// completion, one at a time: a command asked for while another runs (from its
// dialogs or from keepAlive) is ignored. A file that cannot be opened for
// measuring leaves as EngineError (CannotOpen), for the window's framework to
// report (see cannotOpenReport).
class FileCommands {
  public:
    FileCommands(FileState& state, WindowServices& window,
                 std::chrono::milliseconds keepAliveEvery = kKeepAliveEvery)
        : state_(state), window_(window), keepAliveEvery_(keepAliveEvery) {}

    void OnLoadFile();
    void OnEncrypt();
    void OnDecrypt();
    // One file does what Load File... does with it chosen; several, none or a
    // folder change nothing and say "Please drop a single file.".
    void OnDropFiles(const std::vector<std::filesystem::path>& paths);
    // A file the program was started with, as a file manager passes it: a
    // Vael file (by its extension) goes through Decrypt... as if chosen in
    // its first dialog; any other file loads as Load File... loads it.
    void OnStartWith(const std::filesystem::path& file);

    // Whether a command runs now, its dialogs included.
    bool busy() const { return busy_; }

  private:
    void load(const std::filesystem::path& chosen);
    void encrypt();
    // `given` stands for the file the first dialog would choose.
    void decrypt(const std::optional<std::filesystem::path>& given = std::nullopt);

    FileState& state_;
    WindowServices& window_;
    std::chrono::milliseconds keepAliveEvery_;
    bool busy_ = false;
};

}  // namespace murkvale
