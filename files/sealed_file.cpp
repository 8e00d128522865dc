#include "files/sealed_file.h"

#include <optional>

#include "cipher/body_transform.h"
#include "cipher/vael_format.h"
#include "files/body_pump.h"
#include "files/error_text.h"
#include "files/platform_file.h"

namespace murkvale {

namespace {

constexpr char kSinceLoaded[] = "loaded";
constexpr char kSinceOpened[] = "opened";

// Checked before anything is opened for writing: replacing the input would
// destroy what is being read, and renaming over a device node (say /dev/null
// when run as root) would replace the node itself.
void checkOutput(const InputFile& input, const std::filesystem::path& output) {
    const std::optional<ExistingFile> existing = examine(output);
    if (!existing) return;
    if (existing->identity == input.identity()) throwSameFile(output, input.path());
    if (!existing->regular) throwNotRegular(output);
}

void requireLength(const InputFile& input, std::uint64_t expected, const char* since) {
    const std::uint64_t now = input.length();
    if (now != expected) throwLengthChanged(input.path(), now, expected, since);
}

}  // namespace

void sealFile(const std::filesystem::path& input, std::uint64_t expectedSize,
              const std::filesystem::path& output, PasswordDigest digest,
              const ProgressSink& progress) {
    InputFile in(input);
    checkOutput(in, output);
    requireLength(in, expectedSize, kSinceLoaded);

    TempOutputFile out(output);
    const std::uint8_t header[kVaelHeaderSize] = {kVaelMarker, digest.check};
    out.write(header, sizeof header);
    BodyTransform transform(BodyDirection::Seal, expectedSize, digest.key, progress);
    pumpBody(in, expectedSize, transform, out, kSinceLoaded);
    out.commit();
}

struct SealedFile::Impl {
    explicit Impl(const std::filesystem::path& path) : file(path), length(file.length()) {}

    InputFile file;
    std::uint64_t length;
    std::uint8_t header[kVaelHeaderSize] = {};
    std::size_t headerRead = 0;
};

SealedFile::SealedFile(const std::filesystem::path& path) : impl_(std::make_unique<Impl>(path)) {
    const auto want = static_cast<std::size_t>(
        impl_->length < kVaelHeaderSize ? impl_->length : kVaelHeaderSize);
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

bool SealedFile::hasMarker() const {
    return impl_->headerRead >= 1 && impl_->header[0] == kVaelMarker;
}

bool SealedFile::accepts(PasswordDigest digest) const {
    return hasMarker() && impl_->headerRead >= 2 && impl_->header[1] == digest.check;
}

void SealedFile::writePlain(const std::filesystem::path& output, PasswordDigest digest,
                            const ProgressSink& progress) {
    if (!hasMarker()) throwNotSealed(path());
    if (!accepts(digest)) throwWrongPassword(path());
    InputFile& in = impl_->file;
    checkOutput(in, output);
    requireLength(in, impl_->length, kSinceOpened);

    // The header is read again, so a file replaced since it was opened is not
    // opened with a password checked against the old one.
    std::uint8_t header[kVaelHeaderSize] = {};
    in.seek(0);
    if (in.read(header, sizeof header) != sizeof header || header[0] != impl_->header[0] ||
        header[1] != impl_->header[1]) {
        throwContentChanged(path(), kSinceOpened);
    }

    TempOutputFile out(output);
    BodyTransform transform(BodyDirection::Open, plainLength(), digest.key, progress);
    pumpBody(in, impl_->length, transform, out, kSinceOpened);
    out.commit();
}

}  // namespace murkvale
