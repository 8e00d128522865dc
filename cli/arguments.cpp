#include "cli/arguments.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

#include "cli/cli_error.h"

namespace murkvale {
namespace {

[[noreturn]] void usage(const std::string& problem) {
    throw CliError(ExitStatus::Usage, problem + ". See murkvale --help.");
}

// Whole decimal numbers only: "12x", "-1" and "" are mistakes, not 12, -1 or 0.
unsigned long parseNumber(const std::string& option, const std::string& text, unsigned long max) {
    bool digits = !text.empty() && text.size() <= 10;
    for (char c : text) digits = digits && c >= '0' && c <= '9';
    if (digits) {
        errno = 0;
        unsigned long value = std::strtoul(text.c_str(), nullptr, 10);
        if (errno == 0 && value <= max) return value;
    }
    usage("Option " + option + " needs a whole number up to " + std::to_string(max) + ", not \"" +
          text + "\"");
}

template <typename T>
void setOnce(std::optional<T>& slot, T value, const std::string& option) {
    if (slot) usage("Option " + option + " given twice");
    slot = std::move(value);
}

}  // namespace

Arguments parseArguments(const std::vector<std::string>& args) {
    Arguments parsed;
    for (const std::string& arg : args) {
        if (arg == "--") break;
        if (arg == "--help" || arg == "-h") return parsed;  // Action::Help
        if (arg == "--version") {
            parsed.action = Action::Version;
            return parsed;
        }
    }
    if (args.empty()) usage("Missing command: seal, open or info");

    const std::string& command = args[0];
    if (command == "seal") {
        parsed.action = Action::Seal;
    } else if (command == "open") {
        parsed.action = Action::Open;
    } else if (command == "info") {
        parsed.action = Action::Info;
    } else {
        usage("Unknown command \"" + command + "\"");
    }

    std::optional<std::string> file;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        std::string arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            if (file) usage("More than one FILE: \"" + *file + "\" and \"" + arg + "\"");
            file = arg;
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (parsed.action == Action::Info) usage("The info command takes FILE only, no options");

        // "--name=value" is the same as "--name value".
        std::optional<std::string> inlineValue;
        if (auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            inlineValue = arg.substr(eq + 1);
            arg.erase(eq);
        }
        auto value = [&]() -> std::string {
            if (inlineValue) return *inlineValue;
            if (i + 1 >= args.size()) usage("Option " + arg + " needs a value");
            return args[++i];
        };

        if (arg == "-o") {
            setOnce(parsed.output, value(), arg);
        } else if (arg == "--password-file") {
            setOnce(parsed.passwordFile, value(), arg);
        } else if (arg == "--password-fd") {
            setOnce(parsed.passwordFd,
                    static_cast<int>(parseNumber(arg, value(), std::numeric_limits<int>::max())),
                    arg);
        } else if (arg == "--codepage") {
            setOnce(parsed.codePage, static_cast<unsigned>(parseNumber(arg, value(), 65535)), arg);
        } else if ((arg == "-f" || arg == "-q") && !inlineValue) {
            bool& flag = arg == "-f" ? parsed.force : parsed.quiet;
            if (flag) usage("Option " + arg + " given twice");
            flag = true;
        } else {
            usage("Unknown option \"" + args[i] + "\"");
        }
    }

    if (!file) usage("Missing FILE");
    if (file->empty()) usage("FILE is an empty name");
    if (parsed.output && parsed.output->empty()) usage("OUTPUT is an empty name");
    if (parsed.passwordFile && parsed.passwordFd) {
        usage("Give --password-file or --password-fd, not both");
    }
    parsed.file = *file;
    return parsed;
}

}  // namespace murkvale
