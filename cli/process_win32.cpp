#include <fcntl.h>
#include <io.h>
#include <windows.h>
// shellapi.h needs the types windows.h defines.
#include <shellapi.h>

#include "cli/process.h"
#include "text/wide_text_win32.h"

namespace murkvale {

// Load DLLs from System32 only, never from the current or the program's folder.
void prepareProcess() { SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32); }

// argv is in the ANSI code page, which cannot hold every file name; the wide
// command line can.
std::vector<std::string> commandLineArguments(int, char**) {
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return args;
    for (int i = 1; i < count; ++i) args.push_back(toUtf8(wide[i]));
    LocalFree(wide);
    return args;
}

std::filesystem::path pathFromArgument(const std::string& argument) {
    return std::filesystem::path(toWide(argument));
}

void useDescriptorAsBytes(int fd) { _setmode(fd, _O_BINARY); }

int openForReading(const std::filesystem::path& path) {
    return _wopen(path.c_str(), _O_RDONLY | _O_BINARY);
}

}  // namespace murkvale
