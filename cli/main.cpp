#include <exception>

#include "cli/actions.h"
#include "cli/arguments.h"
#include "cli/cli_error.h"
#include "cli/console.h"
#include "cli/messages.h"
#include "cli/native_text.h"
#include "cli/process_setup.h"
#include "cli/usage_text.h"
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
        say(e.what());
        status = exitStatusFor(e.kind());
    } catch (const std::exception& e) {
        say(e.what());
    }
    return static_cast<int>(status);
}
