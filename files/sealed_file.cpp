#include "files/sealed_file.h"

#include <optional>

#include "cipher/body_transform.h"
#include "cipher/vael_format.h"
#include "files/body_pump.h"
#include "files/checks.h"
#include "files/error_text.h"
#include "files/platform_file.h"

namespace murkvale {

namespace {

constexpr char kSinceLoaded[] = "loaded";
constexpr char kSinceOpened[] = "opened";

void requireLength(const InputFile& input, std::uint64_t expected, const char* since) {
    const std::uint64_t now = input.length();
    if (now != expected) throwLengthChanged(input.path(), now, expected, since);
}

// The checkpoint's last chance to abandon the run comes after the flush, so
// an interrupt during it still counts; then the output takes its name.
void finish(TempOutputFile& out, const RunHooks& hooks) {
    out.commit(hooks.checkpoint);
}

void sealInto(InputFile& in, std::uint64_t expectedSize, OutputSink& out, PasswordDigest digest,
              const RunHooks& hooks) {
    const std::uint8_t header[kVaelHeaderSize] = {kVaelMarker, digest.check};
    out.write(header, sizeof header);
    BodyTransform transform(BodyDirection::Seal, expectedSize, digest.key, hooks.progress);
    pumpBody(in, expectedSize, transform, out, hooks, kSinceLoaded);
}

}  // namespace

void sealFile(const std::filesystem::path& input, std::uint64_t expectedSize,
              const std::filesystem::path& output, Replace replace, PasswordDigest digest,
              const RunHooks& hooks) {
    InputFile in(input, Sharing::WithOthers);
    checkOutput(in, output, replace);
    requireLength(in, expectedSize, kSinceLoaded);

    TempOutputFile out(outputTarget(output), replace, in.permissionBits());
    sealInto(in, expectedSize, out, digest, hooks);
    finish(out, hooks);
}

void sealFileTo(const std::filesystem::path& input, std::uint64_t expectedSize, OutputSink& sink,
                PasswordDigest digest, const RunHooks& hooks) {
    InputFile in(input, Sharing::WithOthers);
    requireLength(in, expectedSize, kSinceLoaded);
    sealInto(in, expectedSize, sink, digest, hooks);
}

struct SealedFile::Impl {
    Impl(const std::filesystem::path& path, Sharing sharing)
        : file(path, sharing), length(file.length()) {}

    InputFile file;
    std::uint64_t length;
    std::uint8_t header[kVaelHeaderSize] = {};
    std::size_t headerRead = 0;
};

SealedFile::SealedFile(const std::filesystem::path& path, Sharing sharing)
    : impl_(std::make_unique<Impl>(path, sharing)) {
    const auto want =
        static_cast<std::size_t>(impl_->length < kVaelHeaderSize ? impl_->length : kVaelHeaderSize);
    impl_->headerRead = impl_->file.read(impl_->header, want);
    if (impl_->headerRead != want) {
        throwEndedEarly(path, impl_->headerRead, impl_->length, kSinceOpened);
    }
}

SealedFile::~SealedFile() = default;
SealedFile::SealedFile(SealedFile&&) noexcept = default;
SealedFile& SealedFile::operator=(SealedFile&&) noexcept = default;

const std::filesystem::path& SealedFile::path() const { return impl_->file.path(); }

std::uint64_t SealedFile::sealedLength() const { return impl_->length; }

std::uint64_t SealedFile::plainLength() const {
    return impl_->length < kVaelHeaderSize ? 0 : impl_->length - kVaelHeaderSize;
}

bool SealedFile::isVaelFile() const {
    return impl_->headerRead >= 1 && impl_->header[0] == kVaelMarker;
}

bool SealedFile::accepts(PasswordDigest digest) const {
    return isVaelFile() && impl_->headerRead >= 2 && impl_->header[1] == digest.check;
}

void SealedFile::checkVaelFile() const {
    if (!isVaelFile()) throwNotSealed(path());
}

void SealedFile::checkPassword(PasswordDigest digest) const {
    checkVaelFile();
    if (!accepts(digest)) throwWrongPassword(path());
}

InputFile& SealedFile::bodyReadyFor(PasswordDigest digest) {
    checkPassword(digest);
    InputFile& in = impl_->file;
    requireLength(in, impl_->length, kSinceOpened);

    // The header is read again, so a file replaced since it was opened is not
    // opened with a password checked against the old one.
    std::uint8_t header[kVaelHeaderSize] = {};
    in.seek(0);
    if (in.read(header, sizeof header) != sizeof header || header[0] != impl_->header[0] ||
        header[1] != impl_->header[1]) {
        throwContentChanged(path(), kSinceOpened);
    }
    return in;
}

void SealedFile::writePlain(const std::filesystem::path& output, Replace replace,
                            PasswordDigest digest, const RunHooks& hooks) {
    checkPassword(digest);
    checkOutput(impl_->file, output, replace);
    InputFile& in = bodyReadyFor(digest);
    TempOutputFile out(outputTarget(output), replace, in.permissionBits());
    BodyTransform transform(BodyDirection::Open, plainLength(), digest.key, hooks.progress);
    pumpBody(in, impl_->length, transform, out, hooks, kSinceOpened);
    finish(out, hooks);
}

void SealedFile::writePlainTo(OutputSink& sink, PasswordDigest digest, const RunHooks& hooks) {
    InputFile& in = bodyReadyFor(digest);
    BodyTransform transform(BodyDirection::Open, plainLength(), digest.key, hooks.progress);
    pumpBody(in, impl_->length, transform, sink, hooks, kSinceOpened);
}

}  // namespace murkvale
