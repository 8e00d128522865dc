#pragma once
#include <windows.h>

#include <string>

#include "tests/e2e/deadline.h"

namespace murkvale::e2e {

// One running copy of the program under test. Killed on destruction if it is
// still running, so a failed scenario never leaves a window behind.
class ProgramProcess {
  public:
    ProgramProcess(const std::wstring& executable, const std::wstring& workingDirectory);
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    DWORD id() const { return info_.dwProcessId; }
    bool running() const;
    // True when the process ended within `limit`.
    bool waitForExit(milliseconds limit = kDefaultWait) const;
    // The status the process ended with; STILL_ACTIVE while it runs.
    DWORD exitCode() const;
    void kill();

  private:
    PROCESS_INFORMATION info_{};
};

}  // namespace murkvale::e2e
