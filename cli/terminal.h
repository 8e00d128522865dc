#pragma once
// The terminal and everything murkvale says there. The rules:
// - Everything for people goes to standard error, one line each, prefixed
//   "murkvale: " (say); standard output carries only what a script asked for
//   (info's answer, --help, --version, the content for -o -), and a write to it
//   that fails, short or at the close, fails the run.
// - Every file name is shown in double quotes, escaped where it is not plain
//   text (quoted), so no name can steer the terminal or forge a line.
// - The password is asked on the terminal itself with echo off, never on
//   standard input, and a signal never leaves echo off.
// - While a file is written, Ctrl+C (and on POSIX SIGTERM and SIGHUP) only
//   raises a flag that the run checks between blocks, so the engine unwinds
//   and deletes its temporary file; a second signal ends the program at once.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace murkvale {

void say(const std::string& text);

// Throw CliError (Failure) when standard output does not take it all.
void writeStdout(std::string_view utf8);
void writeStdoutBytes(const void* data, std::size_t size);  // binary, for -o -
// At the end of main: what the system reports only at the close fails the run too.
void closeStdout();

// The path in double quotes, as every message shows it.
std::string quoted(const std::filesystem::path& path);

// Reading stops here: any password that long is refused anyway, and a source
// without a line end (/dev/zero) must not be read for ever.
inline constexpr std::size_t kLineCap = 256;

// Reads one line through `nextByte` (a byte 0..255, or -1 at the end of input)
// and stops after its '\n', so nothing past the line is consumed, or after
// kLineCap + 1 bytes without one, returning those (a line too long to be a
// password). The "\n" or "\r\n" ending is dropped. Returns nothing when the
// input ends before any byte.
std::optional<std::string> readLine(const std::function<int()>& nextByte);

// Asks on the terminal (the controlling terminal on POSIX, the console on
// Windows, whatever standard input is) with echo off. Returns the line without
// its ending, in the terminal's encoding on POSIX and in UTF-8 on Windows, or
// nothing when the input ends. Throws CliError (Usage) when there is no terminal.
std::optional<std::string> askHidden(const std::string& prompt);

// A one-line bar on standard error, redrawn in place, erased when done. It
// draws nothing when disabled or when standard error is not a terminal.
class ProgressBar {
  public:
    ProgressBar(std::string label, bool enabled);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void show(int position);  // 0..100
    // The run ended well: the bar shows 100% and stays, its line ended.
    void finish();

  private:
    std::string label_;
    bool enabled_;
    bool drawn_ = false;
};

// Catches Ctrl+C and its kin while it lives (see the rules above).
class InterruptGuard {
  public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

    bool raised() const;
};

// The code page a password typed on the terminal is digested in when no
// --codepage is given: the window's own on Windows, none (the bytes typed)
// elsewhere.
std::optional<unsigned> typedPasswordCodePage();

// The platform's side of the rules. putStdout returns false with errno set
// when the text did not all arrive.
bool stderrIsTerminal();
bool stdoutIsTerminal();
void writeStderr(std::string_view utf8);
bool putStdout(std::string_view utf8);

}  // namespace murkvale
