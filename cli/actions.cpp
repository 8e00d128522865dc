#include "cli/actions.h"

#include <cctype>
#include <optional>
#include <string>

#include "cipher/password_digest.h"
#include "cipher/vael_format.h"
#include "cli/password_source.h"
#include "cli/process.h"
#include "cli/terminal.h"
#include "text/visible_text.h"
#include "files/checks.h"
#include "files/error_text.h"
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
    bool hasEnding = file.size() >= ending.size();
    for (std::size_t i = 0; hasEnding && i < ending.size(); ++i) {
        const char c = file[file.size() - ending.size() + i];
        hasEnding = std::tolower(static_cast<unsigned char>(c)) == ending[i];
    }
    const std::string stem =
        hasEnding ? file.substr(0, file.size() - ending.size()) : std::string();
    const auto refuse = [&](const std::string& why) {
        throw CliError(ExitStatus::Usage, "Cannot name the output: " + visibleName(file) + " " +
                                              why + "; give -o OUTPUT. See murkvale --help.");
    };
    if (!hasEnding) refuse("does not end in " + ending);
    // ".vae" and "dir/.vae" leave no name to write to.
    if (stem.empty() || stem.back() == '/' || stem.back() == '\\') {
        refuse("has no name before its " + ending);
    }
    return pathFromArgument(stem);
}

Replace replaceFor(const Arguments& args) { return args.force ? Replace::Allowed : Replace::Never; }

// "-o -": the content goes to standard output. A file named "-" is "-o ./-".
bool toStdout(const Arguments& args) { return args.output && *args.output == "-"; }

// Binary on a terminal is never what was meant; refused before any password is asked.
void checkStdoutTarget() {
    if (stdoutIsTerminal()) {
        throw CliError(ExitStatus::Usage,
                       "Standard output is a terminal; -o - writes binary content, so redirect "
                       "it to a file or a pipe. See murkvale --help.");
    }
}

// The output file, checked before any password is asked; none for "-o -",
// whose standard output must not be a terminal.
std::optional<fs::path> checkedOutput(const Arguments& args, const fs::path& input,
                                      const fs::path& output) {
    if (toStdout(args)) {
        checkStdoutTarget();
        return std::nullopt;
    }
    checkOutput(input, output, replaceFor(args));
    return output;
}

class StdoutSink : public OutputSink {
  public:
    void write(const std::uint8_t* data, std::size_t size) override {
        writeStdoutBytes(data, size);
    }
};

// What a run shows and watches while the engine works: the progress bar, and
// Ctrl+C, which unwinds through the engine so nothing is left behind (or, on
// standard output, nothing more is written).
class RunFeedback {
  public:
    RunFeedback(const char* label, const Arguments& args)
        : bar_(label, !args.quiet), streaming_(toStdout(args)) {}

    // For the engine; valid while this object lives.
    RunHooks hooks() {
        RunHooks hooks;
        hooks.progress = [this](int position) { bar_.show(position); };
        hooks.checkpoint = [this] {
            if (!interrupts_.raised()) return;
            throw CliError(ExitStatus::Failure,
                           streaming_ ? "Interrupted; what was written to standard output so "
                                        "far stays there."
                                      : "Interrupted; nothing was written.");
        };
        return hooks;
    }

    void finished() { bar_.finish(); }

  private:
    InterruptGuard interrupts_;
    ProgressBar bar_;
    bool streaming_;
};

}  // namespace

ExitStatus runSeal(const Arguments& args) {
    const fs::path input = pathFromArgument(args.file);
    // The size is taken now; the engine refuses the input if it changes before it is read.
    const std::uint64_t size = checkSealable(input);
    const std::optional<fs::path> output = checkedOutput(args, input, sealOutput(args));

    const PasswordDigest digest =
        derivePasswordDigest(obtainPassword(args, PasswordUse::Seal).bytes);
    RunFeedback feedback("sealing", args);
    if (output) {
        sealFile(input, size, *output, replaceFor(args), digest, feedback.hooks());
    } else {
        StdoutSink sink;
        sealFileTo(input, size, sink, digest, feedback.hooks());
    }
    feedback.finished();
    return ExitStatus::Success;
}

ExitStatus runOpen(const Arguments& args) {
    const fs::path input = pathFromArgument(args.file);
    SealedFile sealed(input);
    sealed.checkVaelFile();
    const std::optional<fs::path> output = checkedOutput(args, input, openOutput(args));

    const PasswordDigest digest =
        derivePasswordDigest(obtainPassword(args, PasswordUse::Open).bytes);
    sealed.checkPassword(digest);
    RunFeedback feedback("opening", args);
    if (output) {
        sealed.writePlain(*output, replaceFor(args), digest, feedback.hooks());
    } else {
        StdoutSink sink;
        sealed.writePlainTo(sink, digest, feedback.hooks());
    }
    feedback.finished();
    return ExitStatus::Success;
}

// The answer goes to standard output; the status tells scripts the same.
ExitStatus runInfo(const Arguments& args) {
    const SealedFile sealed(pathFromArgument(args.file));
    const std::string name = shownPath(sealed.path());
    if (!sealed.isVaelFile()) {
        writeStdout(name + ": not a Vael file\n");
        return ExitStatus::NotSealed;
    }
    writeStdout(name + ": Vael file, content " + std::to_string(sealed.plainLength()) + " bytes\n");
    return ExitStatus::Success;
}

}  // namespace murkvale
