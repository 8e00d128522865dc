#include <windows.h>

#include <cstring>
#include <vector>

#include "files/error_text.h"
#include "files/long_path_win32.h"
#include "files/output_road.h"
#include "files/platform_file.h"
#include "files/replaced_metadata.h"
#include "files/temp_name.h"

namespace murkvale {

namespace {

SystemReason reason(DWORD error) { return systemReason(error); }

std::wstring systemPath(const std::filesystem::path& path) {
    return extendedLengthPath(path.native());
}

// WriteFile takes 32-bit counts; keep each call within them.
constexpr std::size_t kMaxCall = 1u << 30;

// While marked, the file is deleted when its handle closes, however the
// process ends (TerminateProcess, Task Manager). The plain form: Wine 8
// refuses FileDispositionInfoEx.
bool markForDeletion(HANDLE handle, bool deleted) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = deleted ? TRUE : FALSE;
    return SetFileInformationByHandle(handle, FileDispositionInfo, &disposition,
                                      sizeof disposition) != 0;
}

// Renames through the handle itself, so no other program can slip in
// between closing it and naming it.
bool renameHandle(HANDLE handle, const std::filesystem::path& target, Replace replace) {
    const std::wstring name = systemPath(target);
    const std::size_t nameBytes = name.size() * sizeof(wchar_t);
    std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + nameBytes);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    info->ReplaceIfExists = replace == Replace::Allowed ? TRUE : FALSE;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(nameBytes);
    std::memcpy(info->FileName, name.data(), nameBytes);
    return SetFileInformationByHandle(handle, FileRenameInfo, info,
                                      static_cast<DWORD>(buffer.size())) != 0;
}

}  // namespace

struct TempOutputFile::Impl {
    std::filesystem::path target;
    Replace replace;
    OutputRoad road;
    std::filesystem::path tempPath;
    HANDLE handle = INVALID_HANDLE_VALUE;
    bool committed = false;
};

TempOutputFile::TempOutputFile(const std::filesystem::path& target, Replace replace,
                               std::uint32_t)
    : impl_(std::make_unique<Impl>()) {
    Impl& impl = *impl_;
    impl.target = target;
    impl.replace = replace;
    // DELETE for the mark and the rename; the security rights to take on a
    // replaced file's descriptor.
    const DWORD access = GENERIC_WRITE | DELETE | READ_CONTROL | WRITE_DAC;
    for (int attempt = 0;; ++attempt) {
        impl.tempPath = tempPathBeside(target);
        impl.handle = CreateFileW(systemPath(impl.tempPath).c_str(), access, 0, nullptr,
                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (impl.handle != INVALID_HANDLE_VALUE) break;
        const DWORD error = GetLastError();
        if ((error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) || attempt == 100) {
            impl.tempPath.clear();
            throwCannotWrite(target, reason(error));
        }
    }
    const bool marked = requestedOutputRoad() == OutputRoad::Unnamed &&
                        markForDeletion(impl.handle, true);
    impl.road = marked ? OutputRoad::Unnamed : OutputRoad::Named;
    recordOutputRoad(impl.road);
}

TempOutputFile::~TempOutputFile() {
    Impl& impl = *impl_;
    if (impl.handle == INVALID_HANDLE_VALUE) return;
    if (!impl.committed && impl.road == OutputRoad::Unnamed) markForDeletion(impl.handle, true);
    CloseHandle(impl.handle);
    if (!impl.committed && impl.road != OutputRoad::Unnamed) {
        DeleteFileW(systemPath(impl.tempPath).c_str());
    }
}

void TempOutputFile::write(const std::uint8_t* data, std::size_t size) {
    Impl& impl = *impl_;
    while (size > 0) {
        const auto want = static_cast<DWORD>(size < kMaxCall ? size : kMaxCall);
        DWORD done = 0;
        if (!WriteFile(impl.handle, data, want, &done, nullptr)) {
            throwCannotWrite(impl.target, reason(GetLastError()));
        }
        if (done == 0) throwCannotWrite(impl.target, reason(ERROR_DISK_FULL));
        data += done;
        size -= done;
    }
}

void TempOutputFile::commit(const std::function<void()>& lastCheck) {
    Impl& impl = *impl_;
    if (!FlushFileBuffers(impl.handle)) throwCannotWrite(impl.target, reason(GetLastError()));
    if (impl.replace == Replace::Allowed) copyReplacedMetadata(impl.handle, impl.target);
    if (lastCheck) lastCheck();
    // Only from here to the rename can a killed process leave the file behind.
    if (impl.road == OutputRoad::Unnamed && !markForDeletion(impl.handle, false)) {
        throwCannotWrite(impl.target, reason(GetLastError()));
    }
    if (!renameHandle(impl.handle, impl.target, impl.replace)) {
        const DWORD error = GetLastError();
        if (impl.replace == Replace::Never &&
            (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)) {
            throwNameTaken(impl.target);
        }
        throwCannotWrite(impl.target, reason(error));
    }
    impl.committed = true;
    // The data is on disk and the name given; closing cannot lose either.
    CloseHandle(impl.handle);
    impl.handle = INVALID_HANDLE_VALUE;
}

}  // namespace murkvale
