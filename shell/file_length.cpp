#include "shell/file_length.h"

#include <windows.h>

#include "commands/file_error.h"
#include "shell/file_error_kind.h"
#include "shell/path_text.h"

namespace murkvale {

std::uint64_t queryFileLength(const std::filesystem::path& path) {
    const std::wstring name = extendedLengthPath(path.wstring());
    const HANDLE file = CreateFileW(name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw FileError(fileErrorKindFor(GetLastError()), path);

    LARGE_INTEGER size{};
    const BOOL measured = GetFileSizeEx(file, &size);
    const DWORD error = GetLastError();
    CloseHandle(file);
    if (!measured) throw FileError(fileErrorKindFor(error), path);
    return static_cast<std::uint64_t>(size.QuadPart);
}

}  // namespace murkvale
