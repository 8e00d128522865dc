#include "cli/password_source.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "cipher/wipe.h"
#include "cli/cli_error.h"
#include "cli/process.h"
#include "cli/terminal.h"
#include "text/visible_text.h"

namespace murkvale {
namespace {

// One byte at a time so that nothing after the first line is taken from a
// shared pipe; readLine stops a line without an end after kLineCap bytes.
// Throws CliError naming `source` with the system's reason.
std::optional<std::string> firstLine(int fd, const std::string& source) {
    useDescriptorAsBytes(fd);
    int error = 0;
    std::optional<std::string> line = readLine([&]() -> int {
        for (;;) {
            unsigned char c = 0;
            const auto n = ::read(fd, &c, 1);
            if (n == 1) return c;
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) error = errno;
            return -1;
        }
    });
    if (error != 0) {
        throw CliError(ExitStatus::Failure,
                       "Cannot read " + source + ": " + std::strerror(error) + ".");
    }
    return line;
}

std::string fromFile(const std::string& argument) {
    const std::string source = "the password file " + visibleName(argument);
    const int fd = openForReading(pathFromArgument(argument));
    if (fd < 0) {
        throw CliError(ExitStatus::Failure,
                       "Cannot open " + source + ": " + std::strerror(errno) + ".");
    }
    std::optional<std::string> line;
    try {
        line = firstLine(fd, source);
    } catch (...) {
        ::close(fd);
        throw;
    }
    ::close(fd);
    // An empty file is more likely a mistake than a deliberately empty password,
    // which a file holding a single line ending still gives.
    if (!line) {
        throw CliError(ExitStatus::Failure, "The password file " + visibleName(argument) +
                                                " is empty.");
    }
    return *line;
}

std::string fromDescriptor(int fd) {
    const std::string name = "descriptor " + std::to_string(fd);
    std::optional<std::string> line = firstLine(fd, "the password from " + name);
    if (!line) throw CliError(ExitStatus::Failure, "No password to read from " + name + ".");
    return *line;
}

std::string fromTerminal(const std::string& prompt) {
    std::optional<std::string> line = askHidden(prompt);
    if (!line) throw CliError(ExitStatus::Failure, "No password given.");
    return *line;
}

bool hasNonAscii(const std::string& text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    }
    return false;
}

std::string typed(const Arguments& args, PasswordUse use) {
    if (args.passwordFile) return fromFile(*args.passwordFile);
    if (args.passwordFd) return fromDescriptor(*args.passwordFd);
    if (use == PasswordUse::Open) return fromTerminal("Please enter password:");
    std::string first = fromTerminal("Please enter a password:");
    std::string again = fromTerminal("Please retype password:");
    const bool same = again == first;
    wipe(again);
    if (!same) {
        wipe(first);
        throw CliError(ExitStatus::Failure, "Password mismatch!");
    }
    return first;
}

}  // namespace

PasswordBytes obtainPassword(const Arguments& args, PasswordUse use) {
    std::optional<unsigned> codePage = args.codePage;
    if (!codePage && !args.passwordFile && !args.passwordFd) codePage = typedPasswordCodePage();

    std::string text = typed(args, use);
    if (!codePage && hasNonAscii(text)) {
        say("Note: the password is taken as the bytes given; the Windows program uses its ANSI "
            "code page, so give --codepage (for example 1252) to match a password typed there.");
    }
    // A line cut short at kLineCap is too long in any code page; converting its
    // cut end could only make the message wrong.
    const bool cut = text.size() > kLineCap;
    PasswordBytes password = preparePassword(text, cut ? std::nullopt : codePage);
    wipe(text);
    switch (password.refusal) {
        case PasswordRefusal::None:
            return password;
        case PasswordRefusal::NotInCodePage:
            throw CliError(ExitStatus::Failure, "The password has a character that code page " +
                                                    std::to_string(*codePage) +
                                                    " lacks, or is not valid UTF-8 text.");
        case PasswordRefusal::TooLong:
            break;
    }
    throw CliError(ExitStatus::Failure, "The password is " + std::string(cut ? "over " : "") +
                                            std::to_string(cut ? kLineCap : password.length) +
                                            " bytes long; the Murkvale window accepts at most " +
                                            std::to_string(kMaxPasswordBytes) + ".");
}

}  // namespace murkvale
