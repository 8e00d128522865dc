#include <windows.h>

#include <string>

#include "files/error_text.h"
#include "files/long_path_win32.h"
#include "files/platform_file.h"
#include "text/wide_text_win32.h"

namespace murkvale {

namespace {

SystemCause causeOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
            return SystemCause::NotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_DIRECTORY:
            return SystemCause::BadPath;
        case ERROR_ACCESS_DENIED:
            return SystemCause::AccessDenied;
        case ERROR_SHARING_VIOLATION:
            return SystemCause::SharingViolation;
        case ERROR_LOCK_VIOLATION:
            return SystemCause::LockViolation;
        case ERROR_TOO_MANY_OPEN_FILES:
            return SystemCause::TooManyOpenFiles;
        default:
            return SystemCause::Other;
    }
}

SystemReason reason(DWORD error) { return systemReason(error); }

std::wstring systemPath(const std::filesystem::path& path) {
    return extendedLengthPath(path.native());
}

FileIdentity identityFrom(const BY_HANDLE_FILE_INFORMATION& info) {
    return FileIdentity{info.dwVolumeSerialNumber,
                        (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

// ReadFile and WriteFile take 32-bit counts; blocks are far below that, but
// keep each call within it whatever the caller passes.
constexpr std::size_t kMaxCall = 1u << 30;

}  // namespace

SystemReason systemReason(unsigned long code) {
    const auto error = static_cast<DWORD>(code);
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string words = length > 0 && text != nullptr ? toUtf8(std::wstring_view(text, length))
                                                      : "system error " + std::to_string(error);
    if (text != nullptr) LocalFree(text);
    return SystemReason{static_cast<int>(error), std::move(words), causeOf(error)};
}

std::optional<ExistingFile> examine(const std::filesystem::path& path) {
    // No access rights are needed to read a file's identity, and backup
    // semantics let folders be opened too.
    const HANDLE handle = CreateFileW(systemPath(path).c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const BOOL ok = GetFileInformationByHandle(handle, &info);
    const DWORD type = GetFileType(handle);
    CloseHandle(handle);
    // A device such as NUL opens but has no file information: it exists and
    // is no file.
    if (!ok) return type == FILE_TYPE_DISK ? std::nullopt : std::optional(ExistingFile{});
    const bool regular =
        type == FILE_TYPE_DISK && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    return ExistingFile{identityFrom(info), regular};
}

bool nameTaken(const std::filesystem::path& path) {
    // A link is looked at itself, so a dangling one counts.
    return GetFileAttributesW(systemPath(path).c_str()) != INVALID_FILE_ATTRIBUTES ||
           GetLastError() == ERROR_SHARING_VIOLATION;
}

InputFile::InputFile(const std::filesystem::path& path, Sharing sharing) : path_(path) {
    // Others may keep reading and writing, unless the caller wants none to, but
    // never delete or rename it away while it is read; that also stops a
    // rename from replacing it.
    const DWORD share = sharing == Sharing::None ? 0 : FILE_SHARE_READ | FILE_SHARE_WRITE;
    handle_ = CreateFileW(systemPath(path).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                          FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) throwCannotOpen(path_, reason(GetLastError()));
    if (GetFileType(handle_) != FILE_TYPE_DISK) {
        CloseHandle(handle_);
        throwCannotOpen(path_, ownReason("it is not a regular file", SystemCause::Other));
    }
}

InputFile::~InputFile() { CloseHandle(handle_); }

std::uint64_t InputFile::length() const {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handle_, &size)) throwCannotRead(path_, reason(GetLastError()));
    return static_cast<std::uint64_t>(size.QuadPart);
}

FileIdentity InputFile::identity() const {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle_, &info)) throwCannotRead(path_, reason(GetLastError()));
    return identityFrom(info);
}

void InputFile::seek(std::uint64_t offset) {
    LARGE_INTEGER to{};
    to.QuadPart = static_cast<LONGLONG>(offset);
    if (!SetFilePointerEx(handle_, to, nullptr, FILE_BEGIN)) {
        throwCannotRead(path_, reason(GetLastError()));
    }
}

std::size_t InputFile::read(std::uint8_t* buffer, std::size_t size) {
    std::size_t total = 0;
    while (total < size) {
        const auto want = static_cast<DWORD>(size - total < kMaxCall ? size - total : kMaxCall);
        DWORD got = 0;
        if (!ReadFile(handle_, buffer + total, want, &got, nullptr)) {
            throwCannotRead(path_, reason(GetLastError()));
        }
        if (got == 0) break;
        total += got;
    }
    return total;
}

std::uint32_t InputFile::permissionBits() const { return 0666; }

bool isSystemName(const std::filesystem::path&) { return false; }

std::optional<std::filesystem::path> followedOutputName(const std::filesystem::path& path) {
    return path;
}

// Every Windows file system (NTFS, FAT with long names, exFAT, ReFS) holds
// names of at most 255 UTF-16 units. Folder rights are left to the open,
// which fails before any content is written.
void checkFolderTakes(const std::filesystem::path& target) {
    constexpr std::size_t kLongestName = 255;
    if (target.filename().native().size() > kLongestName) {
        throwCannotWrite(target, reason(ERROR_FILENAME_EXCED_RANGE));
    }
}

}  // namespace murkvale
