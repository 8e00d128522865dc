#include "qt/start_arguments.h"

namespace murkvale {

StartArguments parseStartArguments(const std::vector<std::string>& arguments) {
    StartArguments result;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == "--help" || argument == "-h")) {
            result.action = StartArguments::Action::Help;
            return result;
        } else if (!optionsEnded && argument == "--version") {
            result.action = StartArguments::Action::Version;
            return result;
        } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            result.action = StartArguments::Action::Refused;
            result.refusal = "unknown option " + argument;
            return result;
        } else if (result.file) {
            result.action = StartArguments::Action::Refused;
            result.refusal = "one file at most";
            return result;
        } else {
            // Bytes as given: a Linux file name need not be valid text.
            result.file = std::filesystem::path(argument);
        }
    }
    return result;
}

}  // namespace murkvale
