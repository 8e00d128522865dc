#include "tests/e2e/program_process.h"

#include <stdexcept>

#include "text/wide_text_win32.h"

namespace murkvale::e2e {

ProgramProcess::ProgramProcess(const std::wstring& executable,
                               const std::wstring& workingDirectory) {
    std::wstring commandLine = L"\"" + executable + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDirectory.c_str(), &startup, &info_)) {
        throw std::runtime_error("cannot start " + toUtf8(executable) + " (error " +
                                 std::to_string(GetLastError()) + ")");
    }
}

ProgramProcess::~ProgramProcess() {
    kill();
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool ProgramProcess::running() const {
    return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool ProgramProcess::waitForExit(milliseconds limit) const {
    return WaitForSingleObject(info_.hProcess, static_cast<DWORD>(limit.count())) == WAIT_OBJECT_0;
}

DWORD ProgramProcess::exitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

void ProgramProcess::kill() {
    if (running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
}

}  // namespace murkvale::e2e
