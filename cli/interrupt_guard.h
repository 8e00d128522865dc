#pragma once

namespace murkvale {

// While a file is written, Ctrl+C (and on POSIX also SIGTERM and SIGHUP) only
// raises a flag. throwIfRaised(), called between blocks, then unwinds through
// the engine, which deletes its temporary file: an interrupted run leaves
// nothing behind. A second signal ends the program at once, as usual.
class InterruptGuard {
  public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

    // Throws CliError (Failure) once a signal has come.
    void throwIfRaised() const;
};

}  // namespace murkvale
