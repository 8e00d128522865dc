#include <windows.h>

#include <string>

#include "files/error_text.h"
#include "files/platform_file.h"
#include "files/temp_name.h"

namespace murkvale {

namespace {

std::string reason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    if (length == 0 || text == nullptr) return "system error " + std::to_string(error);
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) {
        WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), utf8.data(), size, nullptr,
                            nullptr);
    }
    LocalFree(text);
    return utf8;
}

FileIdentity identityFrom(const BY_HANDLE_FILE_INFORMATION& info) {
    return FileIdentity{info.dwVolumeSerialNumber,
                        (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

// ReadFile and WriteFile take 32-bit counts; blocks are far below that, but
// keep each call within it whatever the caller passes.
constexpr std::size_t kMaxCall = 1u << 30;

}  // namespace

std::optional<ExistingFile> examine(const std::filesystem::path& path) {
    // No access rights are needed to read a file's identity, and backup
    // semantics let folders be opened too.
    const HANDLE handle = CreateFileW(path.native().c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const BOOL ok = GetFileInformationByHandle(handle, &info);
    const DWORD type = GetFileType(handle);
    CloseHandle(handle);
    if (!ok) return std::nullopt;
    const bool regular =
        type == FILE_TYPE_DISK && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    return ExistingFile{identityFrom(info), regular};
}

InputFile::InputFile(const std::filesystem::path& path) : path_(path) {
    // Others may keep reading and writing, but not delete or rename it away
    // while it is read; that also stops a rename from replacing it.
    handle_ = CreateFileW(path.native().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) throwCannotOpen(path_, reason(GetLastError()));
    if (GetFileType(handle_) != FILE_TYPE_DISK) {
        CloseHandle(handle_);
        throwCannotOpen(path_, "it is not a regular file");
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

TempOutputFile::TempOutputFile(const std::filesystem::path& target) : target_(target) {
    for (int attempt = 0;; ++attempt) {
        tempPath_ = tempPathBeside(target_);
        handle_ = CreateFileW(tempPath_.native().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle_ != INVALID_HANDLE_VALUE) break;
        const DWORD error = GetLastError();
        if ((error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) || attempt == 100) {
            throwCannotWrite(target_, reason(error));
        }
    }
    open_ = true;
}

TempOutputFile::~TempOutputFile() {
    closeHandle();
    if (!committed_) DeleteFileW(tempPath_.native().c_str());
}

void TempOutputFile::closeHandle() {
    if (open_) {
        open_ = false;
        CloseHandle(handle_);
    }
}

void TempOutputFile::write(const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const auto want = static_cast<DWORD>(size < kMaxCall ? size : kMaxCall);
        DWORD done = 0;
        if (!WriteFile(handle_, data, want, &done, nullptr)) {
            throwCannotWrite(target_, reason(GetLastError()));
        }
        if (done == 0) throwCannotWrite(target_, reason(ERROR_DISK_FULL));
        data += done;
        size -= done;
    }
}

void TempOutputFile::commit() {
    if (!FlushFileBuffers(handle_)) throwCannotWrite(target_, reason(GetLastError()));
    open_ = false;
    if (!CloseHandle(handle_)) throwCannotWrite(target_, reason(GetLastError()));
    if (!MoveFileExW(tempPath_.native().c_str(), target_.native().c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        throwCannotWrite(target_, reason(GetLastError()));
    }
    committed_ = true;
}

}  // namespace murkvale
