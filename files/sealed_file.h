#pragma once
// Sealing and opening whole files. Output is written to a temporary file beside
// the target and takes its name only when everything succeeded; on failure
// nothing is left behind and an existing output is untouched.
#include <cstdint>
#include <filesystem>
#include <memory>

#include "cipher/password_digest.h"
#include "files/engine_error.h"
#include "files/file_policy.h"
#include "files/output_sink.h"
#include "files/run_hooks.h"

namespace murkvale {

class InputFile;

// Seals `input`, which must still be `expectedSize` bytes long, into `output`.
// Throws EngineError (SameFile, OutputExists, CannotOpen, CannotRead,
// CannotWrite, InputChanged), or whatever the checkpoint throws.
void sealFile(const std::filesystem::path& input, std::uint64_t expectedSize,
              const std::filesystem::path& output, Replace replace, PasswordDigest digest,
              const RunHooks& hooks = {});

// The same into `sink`, a stream: every byte written stays written, so a
// failure midway leaves part of the output. The input is checked before the
// first byte. Throws as sealFile but never SameFile or OutputExists.
void sealFileTo(const std::filesystem::path& input, std::uint64_t expectedSize, OutputSink& sink,
                PasswordDigest digest, const RunHooks& hooks = {});

// A sealed file opened for reading, its header already read, so the marker and
// the password can be tested before any output exists.
class SealedFile {
  public:
    // Throws EngineError (CannotOpen, CannotRead).
    explicit SealedFile(const std::filesystem::path& path, Sharing sharing = Sharing::WithOthers);
    ~SealedFile();
    SealedFile(SealedFile&&) noexcept;
    SealedFile& operator=(SealedFile&&) noexcept;

    const std::filesystem::path& path() const;
    std::uint64_t sealedLength() const;  // whole file, header included
    std::uint64_t plainLength() const;   // sealedLength() - header, never below 0

    // The one rule of what a Vael file is: its first byte is the marker. A
    // file holding only the marker is one whose check byte no password
    // matches.
    bool isVaelFile() const;
    bool accepts(PasswordDigest digest) const;
    void checkVaelFile() const;                       // NotSealed
    void checkPassword(PasswordDigest digest) const;  // NotSealed, WrongPassword

    // Writes the plain content to `output`. Throws EngineError (NotSealed,
    // WrongPassword, SameFile, OutputExists, CannotOpen, CannotRead,
    // CannotWrite, InputChanged), or whatever the checkpoint throws.
    void writePlain(const std::filesystem::path& output, Replace replace, PasswordDigest digest,
                    const RunHooks& hooks = {});

    // The same into `sink`, a stream (see sealFileTo).
    void writePlainTo(OutputSink& sink, PasswordDigest digest, const RunHooks& hooks = {});

  private:
    // Checks the password and that the file is as it was opened, and leaves
    // it positioned at its body.
    InputFile& bodyReadyFor(PasswordDigest digest);

    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace murkvale
