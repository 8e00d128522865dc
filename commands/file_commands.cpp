#include "commands/file_commands.h"

#include <cctype>
#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "cipher/password_digest.h"
#include "cipher/vael_format.h"
#include "cipher/wipe.h"
#include "commands/failure_text.h"
#include "files/checks.h"
#include "files/platform_file.h"
#include "files/sealed_file.h"

namespace murkvale {
namespace {

constexpr char kAllFilesFilter[] = "All Files (*.*)|*.*||";
constexpr char kVaelFilter[] = "Vael Encrypted Files (*.vae)|*.vae|All Files (*.*)|*.*||";

constexpr char kEncryptionError[] = "Encryption error";
constexpr char kDecryptionError[] = "Decryption error";

FileDialogRequest openRequest(const char* filter) {
    return FileDialogRequest{FileDialogKind::Open, filter, ""};
}

FileDialogRequest saveRequest(const char* filter, const char* defaultExtension) {
    return FileDialogRequest{FileDialogKind::Save, filter, defaultExtension};
}

// Clears a password copy however the command ends, exceptions included.
class WipeOnExit {
  public:
    explicit WipeOnExit(std::string& secret) : secret_(secret) {}
    ~WipeOnExit() { wipe(secret_); }
    WipeOnExit(const WipeOnExit&) = delete;
    WipeOnExit& operator=(const WipeOnExit&) = delete;

  private:
    std::string& secret_;
};

// The save dialog asked before replacing a file that existed when it closed;
// any file that appears at that name later was never confirmed.
Replace confirmedReplace(const std::filesystem::path& output) {
    return outputExists(output) ? Replace::Allowed : Replace::Never;
}

// Back to idle. Failures are reported after this, so the window does not claim
// to be working while their message box is up.
void finishRun(FileState& state, WindowServices& window) {
    state.m_status = kStatusFree;
    window.setProgressPosition(0);
    window.refresh();
}

// Gives the window its chance to stay alive between blocks, once `every` of
// work has passed since the last one, so that short runs never pay for it.
std::function<void()> pacedKeepAlive(WindowServices& window, std::chrono::milliseconds every) {
    using Clock = std::chrono::steady_clock;
    return [&window, every, last = Clock::now()]() mutable {
        if (Clock::now() - last < every) return;
        window.keepAlive();
        last = Clock::now();
    };
}

// Shows `status`, runs the file work with the bar at 0..100, goes back to idle
// and only then reports an engine failure under `caption`. A cancelled run
// ends quietly: the engine has already removed what it wrote.
template <typename Work>
void runTransform(FileState& state, WindowServices& window,
                  std::chrono::milliseconds keepAliveEvery, const char* status, const char* caption,
                  const std::filesystem::path& output, const char* verb, Work&& work) {
    state.m_status = status;
    window.refresh();
    window.repaint();

    const auto backToIdle = [&] {
        window.runEnded();
        finishRun(state, window);
    };
    std::optional<std::string> failure;
    try {
        window.setProgressRange(0, 100);
        RunHooks hooks;
        hooks.progress = [&window](int position) { window.setProgressPosition(position); };
        hooks.checkpoint = pacedKeepAlive(window, keepAliveEvery);
        work(hooks);
    } catch (const EngineError& error) {
        failure = runFailureText(error, output, verb);
    } catch (const RunCancelled&) {
        // Asked for by the user, who needs no message about it.
    } catch (...) {
        backToIdle();
        throw;
    }
    backToIdle();
    if (failure) window.messageBox(*failure, caption);
}

// Refuses the chosen output before the run starts; true when it may be written.
bool outputAllowed(WindowServices& window, const std::filesystem::path& input,
                   const std::filesystem::path& output, Replace replace, const char* caption,
                   const char* verb) {
    try {
        checkOutput(input, output, replace);
        return true;
    } catch (const EngineError& error) {
        window.messageBox(runFailureText(error, output, verb), caption);
        return false;
    }
}

// File managers match the extension without regard to case.
bool hasVaelExtension(const std::filesystem::path& file) {
    const std::string extension = file.extension().string();
    const std::string wanted = std::string(".") + kVaelExtension;
    if (extension.size() != wanted.size()) return false;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(extension[i])) != wanted[i]) return false;
    }
    return true;
}

// Runs `command` unless another command runs, and marks the commands busy
// until it ends, however it ends.
template <typename Command>
void runAlone(bool& busy, Command&& command) {
    if (busy) return;
    busy = true;
    struct Idle {
        bool& busy;
        ~Idle() { busy = false; }
    } idle{busy};
    command();
}

}  // namespace

void FileCommands::OnLoadFile() {
    runAlone(busy_, [this] {
        const auto chosen = window_.chooseFile(openRequest(kAllFilesFilter));
        if (chosen) load(*chosen);
    });
}

void FileCommands::OnEncrypt() {
    runAlone(busy_, [this] { encrypt(); });
}

void FileCommands::OnDecrypt() {
    runAlone(busy_, [this] { decrypt(); });
}

void FileCommands::OnDropFiles(const std::vector<std::filesystem::path>& paths) {
    runAlone(busy_, [&] {
        // A folder is not a file; nor is a device or a pipe. A missing file
        // goes on to load and is reported as Load File... reports it.
        const auto found = paths.size() == 1 ? examine(paths.front()) : std::nullopt;
        if (paths.size() != 1 || (found && !found->regular)) {
            window_.messageBox("Please drop a single file.", "Error");
            return;
        }
        load(paths.front());
    });
}

void FileCommands::OnStartWith(const std::filesystem::path& file) {
    runAlone(busy_, [&] {
        if (hasVaelExtension(file)) {
            decrypt(file);
        } else {
            load(file);
        }
    });
}

void FileCommands::load(const std::filesystem::path& chosen) {
    // Measure first: a file that cannot be opened must not leave its path
    // beside the previous file's size.
    const std::uint64_t size = checkSealable(chosen, Sharing::None);
    state_.m_filePath = chosen;
    state_.m_fileSize = size;
    window_.refresh();
}

void FileCommands::encrypt() {
    if (state_.m_filePath.empty()) {
        window_.messageBox("You must load a file first!", kEncryptionError);
        return;
    }

    std::string password;
    std::string first;
    WipeOnExit wipePassword(password);
    WipeOnExit wipeFirst(first);

    if (!window_.promptPassword("Please enter a password:", password)) return;
    first = password;
    wipe(password);
    // A cancelled retype leaves the field empty, so it still compares below:
    // a non-empty first password then counts as a mismatch.
    const bool retyped = window_.promptPassword("Please retype password:", password);
    if (!retyped || password != first) {
        if (password != first) window_.messageBox("Password mismatch!", "Error");
        return;
    }

    const auto output = window_.chooseFile(saveRequest(kVaelFilter, kVaelExtension));
    if (!output) return;
    const Replace replace = confirmedReplace(*output);
    if (!outputAllowed(window_, state_.m_filePath, *output, replace, kEncryptionError,
                       "encrypted")) {
        return;
    }

    const PasswordDigest digest = derivePasswordDigest(first);
    runTransform(state_, window_, keepAliveEvery_, kStatusEncrypting, kEncryptionError, *output,
                 "encrypted", [&](const RunHooks& hooks) {
                     sealFile(state_.m_filePath, state_.m_fileSize, *output, replace, digest,
                              hooks);
                 });
}

void FileCommands::decrypt(const std::optional<std::filesystem::path>& given) {
    const auto input = given ? given : window_.chooseFile(openRequest(kVaelFilter));
    if (!input) return;

    // Opened sharing nothing, as Load File measures: a file that cannot be
    // opened leaves for the framework's report.
    std::optional<SealedFile> sealed;
    try {
        sealed.emplace(*input, Sharing::None);
    } catch (const EngineError& error) {
        if (error.kind() == FailureKind::CannotOpen) throw;
        window_.messageBox(error.what(), kDecryptionError);
        finishRun(state_, window_);
        return;
    }

    if (!sealed->isVaelFile()) {
        window_.messageBox("Not a valid Vael", kDecryptionError);
        finishRun(state_, window_);
        return;
    }

    std::string password;
    WipeOnExit wipePassword(password);
    if (!window_.promptPassword("Please enter password:", password)) {
        finishRun(state_, window_);
        return;
    }
    const PasswordDigest digest = derivePasswordDigest(password);
    wipe(password);

    if (!sealed->accepts(digest)) {
        window_.messageBox("Password mismatch!", kDecryptionError);
        finishRun(state_, window_);
        return;
    }

    const auto output = window_.chooseFile(saveRequest(kAllFilesFilter, ""));
    if (!output) {
        finishRun(state_, window_);
        return;
    }
    const Replace replace = confirmedReplace(*output);
    if (!outputAllowed(window_, *input, *output, replace, kDecryptionError, "decrypted")) {
        finishRun(state_, window_);
        return;
    }

    runTransform(state_, window_, keepAliveEvery_, kStatusDecrypting, kDecryptionError, *output,
                 "decrypted", [&](const RunHooks& hooks) {
                     sealed->writePlain(*output, replace, digest, hooks);
                     // Only a completely written output becomes the current file.
                     state_.m_filePath = *output;
                     state_.m_fileSize = sealed->plainLength();
                 });
}

}  // namespace murkvale
