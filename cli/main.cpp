#include <exception>

#include "cli/actions.h"
#include "cli/arguments.h"
#include "cli/cli_error.h"
#include "cli/process.h"
#include "cli/terminal.h"
#include "files/engine_error.h"

namespace murkvale {
namespace {

ExitStatus run(const Arguments& args) {
    switch (args.action) {
        case Action::Seal:
            return runSeal(args);
        case Action::Open:
            return runOpen(args);
        case Action::Info:
            return runInfo(args);
        case Action::Version:
            writeStdout(versionText());
            return ExitStatus::Success;
        case Action::Help:
            break;
    }
    writeStdout(helpText());
    return ExitStatus::Success;
}

ExitStatus statusFor(FailureKind kind) {
    switch (kind) {
        case FailureKind::NotSealed:
            return ExitStatus::NotSealed;
        case FailureKind::WrongPassword:
            return ExitStatus::WrongPassword;
        default:
            return ExitStatus::Failure;
    }
}

// The engine's own sentence, except where the command line has a remedy to name.
std::string messageFor(const EngineError& error) {
    if (error.kind() == FailureKind::OutputExists) {
        return quoted(error.path()) + " already exists; give -f to replace it.";
    }
    return error.what();
}

}  // namespace
}  // namespace murkvale

int main(int argc, char** argv) {
    using namespace murkvale;
    prepareProcess();
    ExitStatus status = ExitStatus::Failure;
    try {
        status = run(parseArguments(commandLineArguments(argc, argv)));
    } catch (const CliError& e) {
        say(e.what());
        status = e.status();
    } catch (const EngineError& e) {
        say(messageFor(e));
        status = statusFor(e.kind());
    } catch (const std::exception& e) {
        say(e.what());
    }
    try {
        closeStdout();
    } catch (const CliError& e) {
        say(e.what());
        status = e.status();
    }
    return static_cast<int>(status);
}
