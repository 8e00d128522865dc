#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "cli/cli_error.h"
#include "cli/terminal.h"

namespace murkvale {

std::optional<unsigned> typedPasswordCodePage() { return std::nullopt; }

bool stderrIsTerminal() { return isatty(STDERR_FILENO) == 1; }

void writeStderr(std::string_view utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
    std::fflush(stderr);
}

bool stdoutIsTerminal() { return isatty(STDOUT_FILENO) == 1; }

bool putStdout(std::string_view utf8) {
    return std::fwrite(utf8.data(), 1, utf8.size(), stdout) == utf8.size() &&
           std::fflush(stdout) == 0;
}

namespace {

// The terminal settings to put back if a signal ends us while echo is off.
int gTerminal = -1;
termios gSaved{};

void restoreAndRaise(int signal) {
    tcsetattr(gTerminal, TCSANOW, &gSaved);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// Echo is off only while this lives, and comes back on every way out.
class EchoOff {
  public:
    explicit EchoOff(int fd) : fd_(fd) {
        if (tcgetattr(fd, &saved_) != 0) return;
        gTerminal = fd;
        gSaved = saved_;
        struct sigaction action {};
        action.sa_handler = restoreAndRaise;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
            sigaction(kEndingSignals[i], nullptr, &previous_[i]);
            // A signal ignored by whoever started us stays ignored.
            if (previous_[i].sa_handler != SIG_IGN) sigaction(kEndingSignals[i], &action, nullptr);
        }
        termios quiet = saved_;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHOE | ECHOK);
        // TCSANOW, not TCSAFLUSH: keep what was typed ahead.
        active_ = tcsetattr(fd, TCSANOW, &quiet) == 0;
    }
    ~EchoOff() {
        if (!active_) return;
        tcsetattr(fd_, TCSANOW, &saved_);
        for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
            sigaction(kEndingSignals[i], &previous_[i], nullptr);
        }
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

  private:
    int fd_;
    termios saved_{};
    bool active_ = false;
    struct sigaction previous_[std::size(kEndingSignals)]{};
};

void writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += static_cast<std::size_t>(n);
    }
}

}  // namespace

std::optional<std::string> askHidden(const std::string& prompt) {
    int fd = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        throw CliError(ExitStatus::Usage,
                       "No terminal to ask the password on; use --password-file or --password-fd.");
    }
    std::optional<std::string> line;
    int readError = 0;
    {
        EchoOff echoOff(fd);
        writeAll(fd, prompt + " ");
        line = readLine([&]() -> int {
            unsigned char c = 0;
            for (;;) {
                ssize_t n = ::read(fd, &c, 1);
                if (n == 1) return c;
                if (n < 0 && errno == EINTR) continue;
                if (n < 0) readError = errno;
                return -1;
            }
        });
        // Too long to be a password: the rest typed must not reach the shell.
        if (line && line->size() > kLineCap) tcflush(fd, TCIFLUSH);
        writeAll(fd, "\n");  // the user's Enter was not echoed
    }
    ::close(fd);
    if (readError != 0) {
        throw CliError(ExitStatus::Failure,
                       std::string("Cannot read the terminal: ") + std::strerror(readError) + ".");
    }
    return line;
}

namespace {

volatile std::sig_atomic_t gRaised = 0;
constexpr int kInterruptSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction gPrevious[std::size(kInterruptSignals)];

void raiseFlag(int) { gRaised = 1; }

}  // namespace

InterruptGuard::InterruptGuard() {
    gRaised = 0;
    struct sigaction action {};
    action.sa_handler = raiseFlag;
    // SA_RESETHAND: the second signal takes its default course.
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kInterruptSignals); ++i) {
        sigaction(kInterruptSignals[i], nullptr, &gPrevious[i]);
        // A signal ignored by whoever started us (nohup, a background job) stays ignored.
        if (gPrevious[i].sa_handler != SIG_IGN) sigaction(kInterruptSignals[i], &action, nullptr);
    }
}

InterruptGuard::~InterruptGuard() {
    for (std::size_t i = 0; i < std::size(kInterruptSignals); ++i) {
        sigaction(kInterruptSignals[i], &gPrevious[i], nullptr);
    }
}

bool InterruptGuard::raised() const { return gRaised != 0; }

}  // namespace murkvale
