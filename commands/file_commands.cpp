#include "commands/file_commands.h"

#include <optional>
#include <string>

#include "cipher/password_digest.h"
#include "cipher/wipe.h"
#include "commands/engine_failure_text.h"
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

// Back to idle. Failures are reported after this, so the window does not claim
// to be working while their message box is up.
void finishRun(FileState& state, WindowServices& window) {
    state.m_status = kStatusFree;
    window.setProgressPosition(0);
    window.refresh();
}

}  // namespace

void FileCommands::OnLoadFile() {
    const auto chosen = window_.chooseFile(openRequest(kAllFilesFilter));
    if (!chosen) return;
    // Measure first: a file that cannot be opened must not leave its path
    // beside the previous file's size.
    const std::uint64_t size = window_.fileLength(*chosen);
    state_.m_filePath = *chosen;
    state_.m_fileSize = size;
    window_.refresh();
}

void FileCommands::OnEncrypt() {
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

    const auto output = window_.chooseFile(saveRequest(kVaelFilter, "vae"));
    if (!output) return;

    state_.m_status = kStatusEncrypting;
    window_.refresh();
    window_.repaint();

    const PasswordDigest digest = derivePasswordDigest(first);
    std::optional<std::string> failure;
    try {
        window_.setProgressRange(0, 100);
        sealFile(state_.m_filePath, state_.m_fileSize, *output, digest,
                 [this](int position) { window_.setProgressPosition(position); });
    } catch (const EngineError& error) {
        failure = engineFailureText(error, *output, "encrypted");
    } catch (...) {
        finishRun(state_, window_);
        throw;
    }
    finishRun(state_, window_);
    if (failure) window_.messageBox(*failure, kEncryptionError);
}

void FileCommands::OnDecrypt() {
    const auto input = window_.chooseFile(openRequest(kVaelFilter));
    if (!input) return;
    // Only to raise the window's file error for a file that cannot be opened;
    // the sealed file measures itself.
    window_.fileLength(*input);

    std::optional<SealedFile> sealed;
    try {
        sealed.emplace(*input);
    } catch (const EngineError& error) {
        window_.messageBox(error.what(), kDecryptionError);
        finishRun(state_, window_);
        return;
    }

    if (!sealed->hasMarker()) {
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

    state_.m_status = kStatusDecrypting;
    window_.refresh();
    window_.repaint();

    std::optional<std::string> failure;
    try {
        window_.setProgressRange(0, 100);
        sealed->writePlain(*output, digest,
                           [this](int position) { window_.setProgressPosition(position); });
        // Only a completely written output becomes the current file.
        state_.m_filePath = *output;
        state_.m_fileSize = sealed->plainLength();
    } catch (const EngineError& error) {
        failure = engineFailureText(error, *output, "decrypted");
    } catch (...) {
        finishRun(state_, window_);
        throw;
    }
    finishRun(state_, window_);
    if (failure) window_.messageBox(*failure, kDecryptionError);
}

}  // namespace murkvale
