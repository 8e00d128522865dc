#include "files/checks.h"

#include <optional>

#include "files/error_text.h"
#include "files/platform_file.h"

namespace murkvale {

std::uint64_t checkSealable(const std::filesystem::path& input, Sharing sharing) {
    const InputFile file(input, sharing);
    return file.length();
}

namespace {

void checkOutputAgainst(const std::optional<FileIdentity>& inputIdentity,
                        const std::filesystem::path& input, const std::filesystem::path& output,
                        Replace replace) {
    // Whatever such a name points to, writing there is never a file's save.
    if (isSystemName(output)) throwSystemName(output);
    const std::optional<std::filesystem::path> target = followedOutputName(output);
    if (target && isSystemName(*target)) throwSystemName(output);
    const std::optional<ExistingFile> existing = examine(output);
    if (existing) {
        if (inputIdentity && *inputIdentity == existing->identity) throwSameFile(output, input);
        // Renaming over a device node (say /dev/null when run as root) would
        // replace the node itself.
        if (!existing->regular) throwNotRegular(output);
    }
    if (replace == Replace::Never && nameTaken(output)) throwNameTaken(output);
    if (!target) throwNotRegular(output);
    checkFolderTakes(*target);
}

}  // namespace

void checkOutput(const std::filesystem::path& input, const std::filesystem::path& output,
                 Replace replace) {
    const std::optional<ExistingFile> read = examine(input);
    checkOutputAgainst(read ? std::optional<FileIdentity>(read->identity) : std::nullopt, input,
                       output, replace);
}

void checkOutput(const InputFile& input, const std::filesystem::path& output, Replace replace) {
    checkOutputAgainst(input.identity(), input.path(), output, replace);
}

std::filesystem::path outputTarget(const std::filesystem::path& output) {
    const std::optional<std::filesystem::path> target = followedOutputName(output);
    if (!target) throwNotRegular(output);
    return *target;
}

bool outputExists(const std::filesystem::path& output) { return nameTaken(output); }

}  // namespace murkvale
