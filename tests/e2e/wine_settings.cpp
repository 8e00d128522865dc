#include "tests/e2e/wine_settings.h"

#include <windows.h>

#include <utility>

namespace murkvale::e2e {

namespace {

struct Setting {
    const wchar_t* key;
    const wchar_t* name;
    DWORD type;
    std::vector<BYTE> value;
};

std::vector<BYTE> textValue(const std::wstring& text) {
    const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
    return {bytes, bytes + (text.size() + 1) * sizeof(wchar_t)};
}

const Setting kSettings[] = {
    {L"Software\\Wine\\X11 Driver", L"Decorated", REG_SZ, textValue(L"N")},
    {L"Software\\Wine\\WineDbg", L"ShowCrashDialog", REG_DWORD, {0, 0, 0, 0}},
};

bool runningUnderWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

void writeValue(HKEY key, const std::wstring& name, DWORD type, const std::vector<BYTE>& data) {
    RegSetValueExW(key, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size()));
}

std::optional<std::vector<BYTE>> readValue(HKEY key, const std::wstring& name, DWORD& type) {
    std::vector<BYTE> data(1024);
    auto size = static_cast<DWORD>(data.size());
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, data.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    data.resize(size);
    return data;
}

}  // namespace

WineTestSettings::WineTestSettings() {
    if (!runningUnderWine()) return;
    for (const auto& setting : kSettings) {
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, setting.key, 0, nullptr, 0, KEY_READ | KEY_WRITE,
                            nullptr, &key, nullptr) != ERROR_SUCCESS) {
            continue;
        }
        Saved saved{setting.key, setting.name, 0, std::nullopt};
        DWORD type = 0;
        saved.previous = readValue(key, setting.name, type);
        saved.type = type;
        saved_.push_back(std::move(saved));
        writeValue(key, setting.name, setting.type, setting.value);
        RegCloseKey(key);
    }
}

WineTestSettings::~WineTestSettings() {
    for (const auto& saved : saved_) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, saved.key.c_str(), 0, KEY_WRITE, &key) !=
            ERROR_SUCCESS) {
            continue;
        }
        if (saved.previous) {
            writeValue(key, saved.name, saved.type, *saved.previous);
        } else {
            RegDeleteValueW(key, saved.name.c_str());
        }
        RegCloseKey(key);
    }
}

}  // namespace murkvale::e2e
