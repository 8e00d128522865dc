#include "tests/e2e/wine_frames.h"

#include <windows.h>

namespace murkvale::e2e {

namespace {

constexpr const wchar_t* kDriverKey = L"Software\\Wine\\X11 Driver";
constexpr const wchar_t* kDecorated = L"Decorated";

bool runningUnderWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

void writeValue(HKEY key, const std::wstring& value) {
    RegSetValueExW(key, kDecorated, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

WineDrawsFrames::WineDrawsFrames() {
    if (!runningUnderWine()) return;
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kDriverKey, 0, nullptr, 0, KEY_READ | KEY_WRITE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    wchar_t old[64] = {};
    DWORD size = sizeof old - sizeof(wchar_t);
    if (RegQueryValueExW(key, kDecorated, nullptr, nullptr, reinterpret_cast<BYTE*>(old),
                         &size) == ERROR_SUCCESS) {
        previous_ = old;
    }
    writeValue(key, L"N");
    RegCloseKey(key);
    changed_ = true;
}

WineDrawsFrames::~WineDrawsFrames() {
    if (!changed_) return;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kDriverKey, 0, KEY_WRITE, &key) != ERROR_SUCCESS) return;
    if (previous_) {
        writeValue(key, *previous_);
    } else {
        RegDeleteValueW(key, kDecorated);
    }
    RegCloseKey(key);
}

}  // namespace murkvale::e2e
