#include "cli/output_target.h"

#include <cctype>

#include "cipher/vael_format.h"
#include "cli/cli_error.h"
#include "cli/native_text.h"

namespace murkvale {
namespace fs = std::filesystem;

fs::path sealOutput(const Arguments& args) {
    if (args.output) return pathFromArgument(*args.output);
    return pathFromArgument(args.file + "." + kVaelExtension);
}

fs::path openOutput(const Arguments& args) {
    if (args.output) return pathFromArgument(*args.output);
    const std::string ending = std::string(".") + kVaelExtension;
    const std::string& file = args.file;
    bool hasEnding = file.size() > ending.size();
    for (std::size_t i = 0; hasEnding && i < ending.size(); ++i) {
        char c = file[file.size() - ending.size() + i];
        hasEnding = std::tolower(static_cast<unsigned char>(c)) == ending[i];
    }
    std::string stem = hasEnding ? file.substr(0, file.size() - ending.size()) : std::string();
    // "dir/.vae" has no name left to write to.
    if (!hasEnding || stem.back() == '/' || stem.back() == '\\') {
        throw CliError(ExitStatus::Usage, "Cannot name the output: \"" + file +
                                              "\" does not end in " + ending +
                                              "; give -o OUTPUT. See murkvale --help.");
    }
    return pathFromArgument(stem);
}

void checkOutputAllowed(const fs::path& input, const fs::path& output, bool force) {
    std::error_code ec;
    if (fs::equivalent(input, output, ec)) {
        throw CliError(ExitStatus::Failure, "Cannot write " + quoted(output) +
                                                ": it is the file being read, " + quoted(input) +
                                                ".");
    }
    // symlink_status: a dangling link is still something we would replace.
    if (!force && fs::exists(fs::symlink_status(output, ec))) {
        throw CliError(ExitStatus::Failure,
                       quoted(output) + " already exists; give -f to replace it.");
    }
}

}  // namespace murkvale
