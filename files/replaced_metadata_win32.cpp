#include <windows.h>

#include <vector>

#include "files/long_path_win32.h"
#include "files/replaced_metadata.h"

namespace murkvale {

namespace {

// Who may do what: the rights of the replaced file. Its owner needs a
// privilege to set, so only the access list is taken.
void copySecurity(HANDLE to, const std::wstring& from) {
    const SECURITY_INFORMATION what = DACL_SECURITY_INFORMATION;
    DWORD size = 0;
    GetFileSecurityW(from.c_str(), what, nullptr, 0, &size);
    if (size == 0) return;
    std::vector<unsigned char> descriptor(size);
    if (GetFileSecurityW(from.c_str(), what, descriptor.data(), size, &size)) {
        SetKernelObjectSecurity(to, what, descriptor.data());
    }
}

// The attributes a user sets and expects to stay; read-only is left out, as
// a read-only file cannot be replaced anyway.
void copyAttributes(HANDLE to, const std::wstring& from) {
    const DWORD attributes = GetFileAttributesW(from.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    const DWORD kept = attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                     FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
    if (kept == 0) return;
    FILE_BASIC_INFO basic{};
    if (!GetFileInformationByHandleEx(to, FileBasicInfo, &basic, sizeof basic)) return;
    basic.FileAttributes = (basic.FileAttributes & ~FILE_ATTRIBUTE_NORMAL) | kept;
    SetFileInformationByHandle(to, FileBasicInfo, &basic, sizeof basic);
}

}  // namespace

void copyReplacedMetadata(NativeHandle to, const std::filesystem::path& replaced) {
    const std::wstring from = extendedLengthPath(replaced.native());
    copySecurity(to, from);
    copyAttributes(to, from);
}

}  // namespace murkvale
