#include "cli/arguments.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

#include "cli/cli_error.h"
#include "murkvale_version.h"
#include "text/code_page.h"

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
            const auto page = static_cast<unsigned>(parseNumber(arg, value(), 65535));
            if (!isSupportedCodePage(page)) {
                usage("Code page " + std::to_string(page) +
                      " is not one a password can take; give " + supportedCodePagesText());
            }
            setOnce(parsed.codePage, page, arg);
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

std::string helpText() {
    return R"(Usage:
  murkvale seal FILE [-o OUTPUT] [-f] [--password-file PATH | --password-fd N] [--codepage CP] [-q]
  murkvale open FILE [-o OUTPUT] [-f] [--password-file PATH | --password-fd N] [--codepage CP] [-q]
  murkvale info FILE
  murkvale --help | --version

seal writes FILE sealed into a Vael file, by default FILE.vae.
open writes the content of the Vael file FILE, by default FILE without its .vae.
info says whether FILE is a Vael file and, if so, the size of its content.
The files are the same as those of the Murkvale window, in both directions.

Options:
  -o OUTPUT             write OUTPUT instead of the default name
  -f                    replace OUTPUT if it exists (it is never FILE itself)
  --password-file PATH  take the password from the first line of PATH
  --password-fd N       take the password from the first line read from descriptor N
  --codepage CP         convert the password to Windows code page CP (for example 1252)
                        before use, so that it matches the same text typed in the window
  -q                    no progress bar

Without a password option the password is asked on the terminal, twice for seal.
A password is at most 16 bytes, as in the window. Line endings (\n or \r\n) are
not part of it.

Exit status:
  0  success
  1  failure: cannot open, read or write; input changed; output exists;
     output is FILE; password too long or retyped differently; interrupted
  2  wrong usage, or no terminal to ask the password on
  3  FILE is not a Vael file
  4  the password does not match the file
)";
}

std::string versionText() { return "murkvale " MURKVALE_VERSION "\n"; }

}  // namespace murkvale
