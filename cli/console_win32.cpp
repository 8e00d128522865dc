#include <windows.h>

#include <cstdio>
#include <string>

#include "cli/console.h"
#include "cli/wide_text_win32.h"

namespace murkvale {
namespace {

bool isConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode);
}

void write(DWORD which, std::FILE* stream, std::string_view utf8) {
    HANDLE handle = GetStdHandle(which);
    if (isConsole(handle)) {
        std::fflush(stream);
        std::wstring wide = wideFromUtf8(std::string(utf8));
        DWORD written = 0;
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    std::fwrite(utf8.data(), 1, utf8.size(), stream);
    std::fflush(stream);
}

}  // namespace

bool stderrIsTerminal() { return isConsole(GetStdHandle(STD_ERROR_HANDLE)); }

void writeStderr(std::string_view utf8) { write(STD_ERROR_HANDLE, stderr, utf8); }

void writeStdout(std::string_view utf8) { write(STD_OUTPUT_HANDLE, stdout, utf8); }

}  // namespace murkvale
