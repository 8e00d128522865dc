#include "cli/password_source.h"

#include <unistd.h>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>

#include "cipher/wipe.h"
#include "cli/cli_error.h"
#include "cli/codepage.h"
#include "cli/line_reader.h"
#include "cli/messages.h"
#include "cli/native_text.h"
#include "cli/terminal.h"

namespace murkvale {
namespace {

std::string fromFile(const std::string& argument) {
    std::ifstream file(pathFromArgument(argument), std::ios::binary);
    if (!file) {
        throw CliError(ExitStatus::Failure, "Cannot open the password file \"" + argument +
                                                "\": " + std::strerror(errno) + ".");
    }
    std::optional<std::string> line = readLine([&]() -> int {
        int c = file.get();
        return c == std::char_traits<char>::eof() ? -1 : c;
    });
    if (file.bad()) {
        throw CliError(ExitStatus::Failure, "Cannot read the password file \"" + argument + "\".");
    }
    // An empty file is more likely a mistake than a deliberately empty password,
    // which a file holding a single line ending still gives.
    if (!line)
        throw CliError(ExitStatus::Failure, "The password file \"" + argument + "\" is empty.");
    return *line;
}

std::string fromDescriptor(int fd) {
    std::string name = "descriptor " + std::to_string(fd);
#ifdef _WIN32
    // Raw bytes: text mode would end the line at a 0x1A byte.
    _setmode(fd, _O_BINARY);
#endif
    int error = 0;
    // One byte at a time so that nothing after the first line is taken from a shared pipe.
    std::optional<std::string> line = readLine([&]() -> int {
        for (;;) {
            unsigned char c = 0;
            auto n = ::read(fd, &c, 1);
            if (n == 1) return c;
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) error = errno;
            return -1;
        }
    });
    if (error != 0) {
        throw CliError(ExitStatus::Failure,
                       "Cannot read the password from " + name + ": " + std::strerror(error) + ".");
    }
    if (!line) throw CliError(ExitStatus::Failure, "No password to read from " + name + ".");
    return *line;
}

std::string fromTerminal(const std::string& prompt) {
    std::optional<std::string> line = askHidden(prompt);
    if (!line) throw CliError(ExitStatus::Failure, "No password given.");
    return *line;
}

bool hasNonAscii(const std::string& text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    }
    return false;
}

// Applies the code page, then the window's length limit.
std::string finish(std::string text, std::optional<unsigned> codePage) {
    // A line cut short at kLineCap is too long in any code page; converting its
    // cut end could only make the message wrong.
    if (codePage && text.size() <= kLineCap) {
        std::string converted;
        try {
            converted = toCodePage(text, *codePage);
        } catch (...) {
            wipe(text);
            throw;
        }
        wipe(text);
        text = std::move(converted);
    }
    if (text.size() > kMaxPasswordBytes) {
        std::size_t size = text.size();
        wipe(text);
        throw CliError(ExitStatus::Failure,
                       "The password is " + std::string(size > kLineCap ? "over " : "") +
                           std::to_string(size > kLineCap ? kLineCap : size) +
                           " bytes long; the Murkvale window accepts at most " +
                           std::to_string(kMaxPasswordBytes) + ".");
    }
    return text;
}

}  // namespace

std::string obtainPassword(const Arguments& args, PasswordUse use) {
    std::optional<unsigned> codePage = args.codePage;
    std::string text;
    if (args.passwordFile) {
        text = fromFile(*args.passwordFile);
    } else if (args.passwordFd) {
        text = fromDescriptor(*args.passwordFd);
    } else {
        if (!codePage) codePage = consoleCodePage();
        if (use == PasswordUse::Open) {
            text = fromTerminal("Please enter password:");
        } else {
            text = fromTerminal("Please enter a password:");
            std::string again = fromTerminal("Please retype password:");
            bool same = again == text;
            wipe(again);
            if (!same) {
                wipe(text);
                throw CliError(ExitStatus::Failure, "Password mismatch!");
            }
        }
    }
    if (!codePage && hasNonAscii(text)) {
        say("Note: the password is taken as the bytes given; the Windows program uses its ANSI "
            "code page, so give --codepage (for example 1252) to match a password typed there.");
    }
    return finish(std::move(text), codePage);
}

}  // namespace murkvale
