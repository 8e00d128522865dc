#include <windows.h>
// shellapi.h needs the types windows.h defines.
#include <shellapi.h>

#include "cli/native_text.h"
#include "cli/wide_text_win32.h"

namespace murkvale {

// argv is in the ANSI code page, which cannot hold every file name; the wide
// command line can.
std::vector<std::string> commandLineArguments(int, char**) {
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return args;
    for (int i = 1; i < count; ++i) args.push_back(utf8FromWide(wide[i]));
    LocalFree(wide);
    return args;
}

std::filesystem::path pathFromArgument(const std::string& argument) {
    return std::filesystem::path(wideFromUtf8(argument));
}

std::string quoted(const std::filesystem::path& path) { return "\"" + pathForMessage(path) + "\""; }

std::string pathForMessage(const std::filesystem::path& path) {
    return utf8FromWide(path.wstring());
}

}  // namespace murkvale
