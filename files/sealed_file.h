#pragma once
// Sealing and opening whole files. Output is written to a temporary file beside
// the target and renamed into place only when everything succeeded; on failure
// nothing is left behind and an existing output is untouched.
#include <cstdint>
#include <filesystem>
#include <memory>

#include "cipher/password_digest.h"
#include "cipher/progress.h"
#include "files/engine_error.h"

namespace murkvale {

// Seals `input`, which must still be `expectedSize` bytes long, into `output`.
// Throws EngineError (SameFile, CannotOpen, CannotRead, CannotWrite, InputChanged).
void sealFile(const std::filesystem::path& input, std::uint64_t expectedSize,
              const std::filesystem::path& output, PasswordDigest digest,
              const ProgressSink& progress = {});

// A sealed file opened for reading, its header already read, so the marker and
// the password can be tested before any output exists.
class SealedFile {
public:
    // Throws EngineError (CannotOpen, CannotRead).
    explicit SealedFile(const std::filesystem::path& path);
    ~SealedFile();
    SealedFile(SealedFile&&) noexcept;
    SealedFile& operator=(SealedFile&&) noexcept;

    const std::filesystem::path& path() const;
    std::uint64_t sealedLength() const;  // whole file, header included
    std::uint64_t plainLength() const;   // sealedLength() - header, or 0 when shorter
    bool hasMarker() const;
    bool accepts(PasswordDigest digest) const;  // false too when there is no check byte

    // Writes the plain content to `output`. Throws EngineError (NotSealed,
    // WrongPassword, SameFile, CannotOpen, CannotRead, CannotWrite, InputChanged).
    void writePlain(const std::filesystem::path& output, PasswordDigest digest,
                    const ProgressSink& progress = {});

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace murkvale
