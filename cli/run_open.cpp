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

ExitStatus runOpen(const Arguments& args) {
    const fs::path input = pathFromArgument(args.file);
    const fs::path output = openOutput(args);

    SealedFile sealed(input);
    if (!hasVaelHeader(sealed)) {
        throw CliError(ExitStatus::NotSealed, quoted(input) + " is not a Vael file.");
    }
    checkOutputAllowed(input, output, args.force);

    std::string password = obtainPassword(args, PasswordUse::Open);
    const PasswordDigest digest = derivePasswordDigest(password);
    wipe(password);
    if (!sealed.accepts(digest)) {
        throw CliError(ExitStatus::WrongPassword,
                       "Password mismatch! The password does not open " + quoted(input) + ".");
    }

    RunFeedback feedback("opening", args.quiet);
    sealed.writePlain(output, digest, feedback.sink());
    return ExitStatus::Success;
}

}  // namespace murkvale
