#include <system_error>

#include "cipher/password_digest.h"
#include "cipher/wipe.h"
#include "cli/actions.h"
#include "cli/cli_error.h"
#include "cli/native_text.h"
#include "cli/output_target.h"
#include "cli/password_source.h"
#include "cli/run_feedback.h"
#include "files/sealed_file.h"

namespace murkvale {
namespace fs = std::filesystem;

ExitStatus runSeal(const Arguments& args) {
    const fs::path input = pathFromArgument(args.file);
    const fs::path output = sealOutput(args);

    // The size is taken now; the engine refuses the input if it changes before it is read.
    std::error_code ec;
    const fs::file_status status = fs::status(input, ec);
    if (ec) {
        throw CliError(ExitStatus::Failure,
                       "Cannot open " + quoted(input) + ": " + ec.message() + ".");
    }
    // Only a regular file has a size to seal; a pipe or a device would have to be read to the end.
    if (!fs::is_regular_file(status)) {
        throw CliError(ExitStatus::Failure,
                       "Cannot seal " + quoted(input) + ": it is not a regular file.");
    }
    const std::uintmax_t size = fs::file_size(input, ec);
    if (ec) {
        throw CliError(ExitStatus::Failure,
                       "Cannot open " + quoted(input) + ": " + ec.message() + ".");
    }
    checkOutputAllowed(input, output, args.force);

    std::string password = obtainPassword(args, PasswordUse::Seal);
    const PasswordDigest digest = derivePasswordDigest(password);
    wipe(password);

    RunFeedback feedback("sealing", args.quiet);
    sealFile(input, size, output, digest, feedback.sink());
    return ExitStatus::Success;
}

}  // namespace murkvale
