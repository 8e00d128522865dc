#include "cipher/password_digest.h"
#include "cipher/vael_format.h"
#include "cipher/wipe.h"
#include "cli/actions.h"
#include "cli/cli_error.h"
#include "cli/console.h"
#include "cli/interrupt_guard.h"
#include "cli/native_text.h"
#include "cli/output_target.h"
#include "cli/password_source.h"
#include "cli/progress_bar.h"
#include "files/sealed_file.h"

namespace murkvale {
namespace fs = std::filesystem;

ExitStatus runOpen(const Arguments& args) {
    const fs::path input = pathFromArgument(args.file);
    const fs::path output = openOutput(args);

    SealedFile sealed(input);
    // A lone marker byte has no check byte: no password can open it.
    if (!sealed.hasMarker() || sealed.sealedLength() < kVaelHeaderSize) {
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

    InterruptGuard interrupts;
    ProgressBar bar("opening", !args.quiet && stderrIsTerminal());
    sealed.writePlain(output, digest, [&](int position) {
        interrupts.throwIfRaised();
        bar.show(position);
    });
    return ExitStatus::Success;
}

}  // namespace murkvale
