#include <windows.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>

#include "cli/cli_error.h"
#include "cli/terminal.h"
#include "text/code_page.h"
#include "text/wide_text_win32.h"

namespace murkvale {

namespace {

bool isConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode);
}

bool write(DWORD which, std::FILE* stream, std::string_view utf8) {
    HANDLE handle = GetStdHandle(which);
    if (isConsole(handle)) {
        std::fflush(stream);
        std::wstring wide = toWide(utf8);
        DWORD written = 0;
        const bool ok = WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()),
                                      &written, nullptr) &&
                        written == wide.size();
        if (!ok) errno = EIO;
        return ok;
    }
    return std::fwrite(utf8.data(), 1, utf8.size(), stream) == utf8.size() &&
           std::fflush(stream) == 0;
}

}  // namespace

std::optional<unsigned> typedPasswordCodePage() { return userCodePage(); }

bool stderrIsTerminal() { return isConsole(GetStdHandle(STD_ERROR_HANDLE)); }

// The console, not any character device: NUL is one too, and a fine place for -o -.
bool stdoutIsTerminal() { return isConsole(GetStdHandle(STD_OUTPUT_HANDLE)); }

void writeStderr(std::string_view utf8) { write(STD_ERROR_HANDLE, stderr, utf8); }

bool putStdout(std::string_view utf8) { return write(STD_OUTPUT_HANDLE, stdout, utf8); }

namespace {

// The console mode to put back if Ctrl+C or Ctrl+Break ends us while echo is off.
HANDLE gInput = INVALID_HANDLE_VALUE;
DWORD gSavedMode = 0;

BOOL WINAPI restoreOnBreak(DWORD) {
    SetConsoleMode(gInput, gSavedMode);
    return FALSE;  // let the default handler end the program
}

class ConsoleHandle {
  public:
    explicit ConsoleHandle(const wchar_t* name)
        : handle_(CreateFileW(name, GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr)) {}
    ~ConsoleHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    ConsoleHandle(const ConsoleHandle&) = delete;
    ConsoleHandle& operator=(const ConsoleHandle&) = delete;
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

class EchoOff {
  public:
    EchoOff(HANDLE input, DWORD mode) : input_(input), saved_(mode) {
        gInput = input;
        gSavedMode = mode;
        SetConsoleCtrlHandler(restoreOnBreak, TRUE);
        SetConsoleMode(input, (mode & ~static_cast<DWORD>(ENABLE_ECHO_INPUT)) | ENABLE_LINE_INPUT |
                                  ENABLE_PROCESSED_INPUT);
    }
    ~EchoOff() {
        SetConsoleMode(input_, saved_);
        SetConsoleCtrlHandler(restoreOnBreak, FALSE);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

  private:
    HANDLE input_;
    DWORD saved_;
};

void writeConsole(HANDLE output, const std::wstring& text) {
    DWORD written = 0;
    WriteConsoleW(output, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

std::optional<std::string> askHidden(const std::string& prompt) {
    ConsoleHandle input(L"CONIN$");
    ConsoleHandle output(L"CONOUT$");
    DWORD mode = 0;
    if (input.get() == INVALID_HANDLE_VALUE || !GetConsoleMode(input.get(), &mode)) {
        throw CliError(ExitStatus::Usage,
                       "No console to ask the password on; use --password-file or --password-fd.");
    }

    std::wstring line;
    bool ended = false;
    {
        EchoOff echoOff(input.get(), mode);
        writeConsole(output.get(), toWide(prompt + " "));
        wchar_t chunk[64];
        while (!ended) {
            DWORD got = 0;
            if (!ReadConsoleW(input.get(), chunk, 64, &got, nullptr) || got == 0) break;
            for (DWORD i = 0; i < got && !ended; ++i) {
                if (chunk[i] == L'\n') {
                    ended = true;
                } else {
                    line.push_back(chunk[i]);
                    // Too long to be a password: stop, and drop the rest
                    // typed so that nothing else reads it.
                    if (line.size() > kLineCap) {
                        ended = true;
                        FlushConsoleInputBuffer(input.get());
                    }
                }
            }
        }
        writeConsole(output.get(), L"\r\n");
    }
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    // Ctrl+Z then Enter is the console's end of input.
    if ((!ended && line.empty()) || (!line.empty() && line.front() == L'\x1a')) {
        return std::nullopt;
    }
    std::string text = toUtf8(line);
    SecureZeroMemory(line.data(), line.size() * sizeof(wchar_t));
    return text;
}

namespace {

std::atomic<bool> gInterrupted{false};

// Runs on a thread of its own: the first Ctrl+C or Ctrl+Break is taken over,
// the next one falls through to the default handler, which ends the program.
BOOL WINAPI raiseFlag(DWORD type) {
    if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT) return FALSE;
    return gInterrupted.exchange(true) ? FALSE : TRUE;
}

}  // namespace

InterruptGuard::InterruptGuard() {
    gInterrupted = false;
    SetConsoleCtrlHandler(raiseFlag, TRUE);
}

InterruptGuard::~InterruptGuard() { SetConsoleCtrlHandler(raiseFlag, FALSE); }

bool InterruptGuard::raised() const { return gInterrupted; }

}  // namespace murkvale
