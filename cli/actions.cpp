#include "cli/actions.h"

#include <cctype>
#include <string>

#include "cipher/password_digest.h"
#include "cipher/vael_format.h"
#include "cli/password_source.h"
#include "cli/process.h"
#include "cli/terminal.h"
#include "files/checks.h"
#include "files/sealed_file.h"

namespace murkvale {
namespace {

namespace fs = std::filesystem;

// OUTPUT for seal: -o, else FILE with ".vae" appended.
fs::path sealOutput(const Arguments& args) {
    if (args.output) return pathFromArgument(*args.output);
    return pathFromArgument(args.file + "." + kVaelExtension);
}

// OUTPUT for open: -o, else FILE without its ".vae" (any letter case).
fs::path openOutput(const Arguments& args) {
    if (args.output) return pathFromArgument(*args.output);
    const std::string ending = std::string(".") + kVaelExtension;
    const std::string& file = args.file;
    bool hasEnding = file.size() > ending.size();
    for (std::size_t i = 0; hasEnding && i < ending.size(); ++i) {
        const char c = file[file.size() - ending.size() + i];
        hasEnding = std::tolower(static_cast<unsigned char>(c)) == ending[i];
    }
    const std::string stem =
        hasEnding ? file.substr(0, file.size() - ending.size()) : std::string();
    // "dir/.vae" has no name left to write to.
    if (!hasEnding || stem.back() == '/' || stem.back() == '\\') {
        throw CliError(ExitStatus::Usage, "Cannot name the output: \"" + file +
                                              "\" does not end in " + ending +
                                              "; give -o OUTPUT. See murkvale --help.");
    }
    return pathFromArgument(stem);
}

Replace replaceFor(const Arguments& args) { return args.force ? Replace::Allowed : Replace::Never; }

// What a run shows and watches while the engine works: the progress bar, and
// Ctrl+C, which unwinds through the engine so nothing is left behind.
class RunFeedback {
  public:
    RunFeedback(const char* label, bool quiet) : bar_(label, !quiet) {}

    // For the engine; valid while this object lives.
    RunHooks hooks() {
        RunHooks hooks;
        hooks.progress = [this](int position) { bar_.show(position); };
        hooks.checkpoint = [this] { interrupts_.throwIfRaised(); };
        return hooks;
    }

  private:
    InterruptGuard interrupts_;
    ProgressBar bar_;
};

}  // namespace

ExitStatus runSeal(const Arguments& args) {
    const fs::path input = pathFromArgument(args.file);
    const fs::path output = sealOutput(args);
    // The size is taken now; the engine refuses the input if it changes before it is read.
    const std::uint64_t size = checkSealable(input);
    checkOutput(input, output, replaceFor(args));

    const PasswordDigest digest =
        derivePasswordDigest(obtainPassword(args, PasswordUse::Seal).bytes);
    RunFeedback feedback("sealing", args.quiet);
    sealFile(input, size, output, replaceFor(args), digest, feedback.hooks());
    return ExitStatus::Success;
}

ExitStatus runOpen(const Arguments& args) {
    const fs::path input = pathFromArgument(args.file);
    const fs::path output = openOutput(args);
    SealedFile sealed(input);
    sealed.checkVaelFile();
    checkOutput(input, output, replaceFor(args));

    const PasswordDigest digest =
        derivePasswordDigest(obtainPassword(args, PasswordUse::Open).bytes);
    sealed.checkPassword(digest);
    RunFeedback feedback("opening", args.quiet);
    sealed.writePlain(output, replaceFor(args), digest, feedback.hooks());
    return ExitStatus::Success;
}

// The answer goes to standard output; the status tells scripts the same.
ExitStatus runInfo(const Arguments& args) {
    const SealedFile sealed(pathFromArgument(args.file));
    const std::string name = pathText(sealed.path());
    if (!sealed.isVaelFile()) {
        writeStdout(name + ": not a Vael file\n");
        return ExitStatus::NotSealed;
    }
    writeStdout(name + ": Vael file, content " + std::to_string(sealed.plainLength()) + " bytes\n");
    return ExitStatus::Success;
}

}  // namespace murkvale
