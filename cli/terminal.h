#pragma once
// The terminal and everything murkvale says there. The rules:
// - Everything for people goes to standard error, one line each, prefixed
//   "murkvale: " (say); standard output carries only what a script asked for
//   (info's answer, --help, --version).
// - Every file name is shown in double quotes (quoted).
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
void writeStdout(std::string_view utf8);

// The path in double quotes, as every message shows it.
std::string quoted(const std::filesystem::path& path);

// Longer lines are cut here; any password that long is refused anyway, and a
// huge file without a newline must not be read into memory whole.
inline constexpr std::size_t kLineCap = 256;

// Reads one line through `nextByte` (a byte 0..255, or -1 at the end of input)
// and stops after its '\n', so nothing past the line is consumed. The "\n" or
// "\r\n" ending is dropped. Returns nothing when the input ends before any byte.
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

    // Throws CliError (Failure) once a signal has come.
    void throwIfRaised() const;
};

// The code page a password typed on the terminal is digested in when no
// --codepage is given: the window's own on Windows, none (the bytes typed)
// elsewhere.
std::optional<unsigned> typedPasswordCodePage();

// The platform's side of the rules.
bool stderrIsTerminal();
void writeStderr(std::string_view utf8);

}  // namespace murkvale
