#include "cli/arguments.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

#include "cli/cli_error.h"
#include "murkvale_version.h"
#include "text/code_page.h"
#include "text/visible_text.h"

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
    usage("Option " + option + " needs a whole number up to " + std::to_string(max) + ", not " +
          visibleName(text));
}

// A Windows code page number, or "locale": the one the window would use for
// this user's language.
unsigned parseCodePage(const std::string& text) {
    if (text == "locale") return userCodePage();
    const auto page = static_cast<unsigned>(parseNumber("--codepage", text, 65535));
    if (!isSupportedCodePage(page)) {
        usage("Code page " + std::to_string(page) + " is not one a password can take; give " +
              supportedCodePagesText() + ", or locale");
    }
    return page;
}

template <typename T>
void setOnce(std::optional<T>& slot, T value, const std::string& option) {
    if (slot) usage("Option " + option + " given twice");
    slot = std::move(value);
}

}  // namespace

namespace {

// What follows the command: options in any order, in the forms of POSIX and
// GNU tools, and FILE.
class OptionParser {
  public:
    OptionParser(Arguments& parsed, const std::vector<std::string>& args)
        : parsed_(parsed), args_(args) {}

    // Returns false when --help, -h or --version asked for that text instead
    // of a run; action() then says which.
    bool parse() {
        for (next_ = 1; next_ < args_.size();) {
            const std::string& arg = args_[next_++];
            if (optionsEnded_ || arg.size() < 2 || arg[0] != '-') {
                addFile(arg);
            } else if (arg == "--") {
                optionsEnded_ = true;
            } else if (arg.rfind("--", 0) == 0) {
                if (!longOption(arg)) return false;
            } else if (!shortOptions(arg)) {
                return false;
            }
        }
        return true;
    }

    const std::optional<std::string>& file() const { return file_; }

  private:
    void addFile(const std::string& arg) {
        if (file_) usage("More than one FILE: " + visibleName(*file_) + " and " + visibleName(arg));
        file_ = arg;
    }

    // The word after an option is its value, whatever it looks like.
    std::string nextValue(const std::string& option) {
        if (next_ >= args_.size()) usage("Option " + option + " needs a value");
        return args_[next_++];
    }

    void noOptionsForInfo() {
        if (parsed_.action == Action::Info) usage("The info command takes FILE only, no options");
    }

    bool longOption(const std::string& arg) {
        // "--name=value" is the same as "--name value".
        const auto eq = arg.find('=');
        const std::string name = arg.substr(0, eq);
        std::optional<std::string> inlineValue;
        if (eq != std::string::npos) inlineValue = arg.substr(eq + 1);
        auto value = [&] { return inlineValue ? *inlineValue : nextValue(name); };
        auto flag = [&](bool& slot) {
            if (inlineValue) usage("Option " + name + " takes no value");
            setFlag(slot, name);
        };

        if (name == "--help" || name == "--version") {
            parsed_.action = name == "--help" ? Action::Help : Action::Version;
            return false;
        }
        noOptionsForInfo();
        if (name == "--output") {
            setOnce(parsed_.output, value(), name);
        } else if (name == "--password-file") {
            setOnce(parsed_.passwordFile, value(), name);
        } else if (name == "--password-fd") {
            setOnce(parsed_.passwordFd,
                    static_cast<int>(parseNumber(name, value(), std::numeric_limits<int>::max())),
                    name);
        } else if (name == "--codepage") {
            setOnce(parsed_.codePage, parseCodePage(value()), name);
        } else if (name == "--force") {
            flag(parsed_.force);
        } else if (name == "--quiet") {
            flag(parsed_.quiet);
        } else {
            usage("Unknown option " + visibleName(arg));
        }
        return true;
    }

    // "-fq", "-o OUTPUT", "-oOUTPUT", "-fo OUTPUT".
    bool shortOptions(const std::string& arg) {
        for (std::size_t k = 1; k < arg.size(); ++k) {
            const std::string name = std::string("-") + arg[k];
            if (arg[k] == 'h') {
                parsed_.action = Action::Help;
                return false;
            }
            noOptionsForInfo();
            if (arg[k] == 'o') {
                const bool attached = k + 1 < arg.size();
                setOnce(parsed_.output, attached ? arg.substr(k + 1) : nextValue(name), name);
                return true;
            }
            if (arg[k] == 'f') {
                setFlag(parsed_.force, name);
            } else if (arg[k] == 'q') {
                setFlag(parsed_.quiet, name);
            } else {
                usage("Unknown option " + visibleName(name));
            }
        }
        return true;
    }

    static void setFlag(bool& slot, const std::string& option) {
        if (slot) usage("Option " + option + " given twice");
        slot = true;
    }

    Arguments& parsed_;
    const std::vector<std::string>& args_;
    std::size_t next_ = 1;
    bool optionsEnded_ = false;
    std::optional<std::string> file_;
};

}  // namespace

Arguments parseArguments(const std::vector<std::string>& args) {
    Arguments parsed;
    if (args.empty()) usage("Missing command: seal, open or info");

    const std::string& command = args[0];
    if (command == "--help" || command == "-h") return parsed;  // Action::Help
    if (command == "--version") {
        parsed.action = Action::Version;
        return parsed;
    }
    if (command == "seal") {
        parsed.action = Action::Seal;
    } else if (command == "open") {
        parsed.action = Action::Open;
    } else if (command == "info") {
        parsed.action = Action::Info;
    } else {
        usage("Unknown command " + visibleName(command));
    }

    OptionParser options(parsed, args);
    if (!options.parse()) {
        Arguments textOnly;
        textOnly.action = parsed.action;
        return textOnly;
    }
    const std::optional<std::string>& file = options.file();
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
  murkvale seal FILE [-o OUTPUT] [-f] [-q] [--password-file PATH | --password-fd N] [--codepage CP]
  murkvale open FILE [-o OUTPUT] [-f] [-q] [--password-file PATH | --password-fd N] [--codepage CP]
  murkvale info FILE
  murkvale --help | --version

seal writes FILE sealed into a Vael file, by default FILE.vae.
open writes the content of the Vael file FILE, by default FILE without its .vae.
info says whether FILE is a Vael file and, if so, the size of its content.
The files are the same as those of the Murkvale window, in both directions.

Options:
  -o, --output OUTPUT   write OUTPUT instead of the default name; - is standard
                        output (never a terminal), which cannot be taken back:
                        a failure midway leaves what was written; a file named
                        - is -o ./-
  -f, --force           replace OUTPUT if it exists (it is never FILE itself)
  -q, --quiet           no progress bar
  --password-file PATH  take the password from the first line of PATH
  --password-fd N       take the password from the first line of descriptor N
  --codepage CP         convert the password to Windows code page CP first, so
                        that it matches the same text typed in the window:
                        874, 932, 936, 949, 950, 1250-1258, 65001, or locale
                        (the code page of the language in LC_ALL, LC_CTYPE or
                        LANG)
  -h, --help            print this text
  --version             print the version

Flags may be grouped (-fq), a long option may take its value after = (as in
--output=FILE), and -- ends the options.

Without a password option the password is asked on the terminal, twice for
seal. A password is at most 16 bytes, as in the window; line endings (\n or
\r\n) are not part of it. Without --codepage it is taken as the bytes given,
so a non-ASCII password typed in the window needs --codepage locale here.

Exit status:
  0  success
  1  failure: cannot open, read or write; input changed; output exists;
     output is FILE; password too long or retyped differently; interrupted
  2  wrong usage, standard output a terminal for -o -, or no terminal to ask
     the password on
  3  FILE is not a Vael file
  4  the password does not match the file
)";
}

std::string versionText() { return "murkvale " MURKVALE_VERSION "\n"; }

}  // namespace murkvale
