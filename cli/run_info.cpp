#include <string>

#include "cli/actions.h"
#include "cli/console.h"
#include "cli/native_text.h"
#include "cli/run_feedback.h"
#include "files/sealed_file.h"

namespace murkvale {

// The answer goes to standard output; the status tells scripts the same.
ExitStatus runInfo(const Arguments& args) {
    SealedFile sealed(pathFromArgument(args.file));
    const std::string name = pathForMessage(sealed.path());
    if (!hasVaelHeader(sealed)) {
        writeStdout(name + ": not a Vael file\n");
        return ExitStatus::NotSealed;
    }
    writeStdout(name + ": Vael file, content " + std::to_string(sealed.plainLength()) + " bytes\n");
    return ExitStatus::Success;
}

}  // namespace murkvale
