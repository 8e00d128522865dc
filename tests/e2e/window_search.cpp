#include "tests/e2e/window_search.h"

#include <sstream>

#include "text/wide_text_win32.h"

namespace murkvale::e2e {

namespace {

BOOL CALLBACK collectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> childrenOf(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, collectWindow, reinterpret_cast<LPARAM>(&children));
    return children;
}

std::string hexOf(unsigned long long value) {
    std::ostringstream out;
    out << "0x" << std::hex << value;
    return out.str();
}

}  // namespace

std::wstring classNameOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring textOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) {
        // A window that closed while we asked has no text; one that stays
        // silent is stuck.
        if (!IsWindow(window)) return {};
        throw WaitTimedOut("no answer to WM_GETTEXTLENGTH from window " +
                           hexOf(reinterpret_cast<uintptr_t>(window)));
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    text.resize(copied);
    return text;
}

std::vector<HWND> visibleWindowsOf(DWORD processId) {
    std::vector<HWND> all;
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> result;
    for (HWND window : all) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window)) result.push_back(window);
    }
    return result;
}

WindowTest dialogWith(const std::wstring& caption, int childId) {
    return [caption, childId](HWND window) {
        return classNameOf(window) == L"#32770" && textOf(window) == caption &&
               GetDlgItem(window, childId) != nullptr;
    };
}

WindowTest dialogCaptioned(const std::wstring& caption) {
    return [caption](HWND window) {
        return classNameOf(window) == L"#32770" && textOf(window) == caption;
    };
}

bool processEnded(DWORD processId) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (!process) return true;
    const bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}

HWND waitForWindow(DWORD processId, const std::string& what, const WindowTest& test,
                   milliseconds limit) {
    return pollUntil(
        what,
        [&]() -> std::optional<HWND> {
            // A crashed program shows nothing more; say so at once.
            if (processEnded(processId)) {
                throw std::runtime_error("Murkvale.exe ended while waiting for " + what);
            }
            for (HWND window : visibleWindowsOf(processId)) {
                if (test(window)) return window;
            }
            return std::nullopt;
        },
        limit);
}

void waitUntilGone(HWND window, const std::string& what, milliseconds limit) {
    pollUntil(
        what + " to close",
        [&]() -> std::optional<bool> {
            if (!IsWindow(window) || !IsWindowVisible(window)) return true;
            return std::nullopt;
        },
        limit);
}

std::string describeWindowsOf(DWORD processId) {
    std::ostringstream out;
    const auto windows = visibleWindowsOf(processId);
    if (windows.empty()) out << "  (no visible windows)\n";
    for (HWND window : windows) {
        RECT frame{};
        GetWindowRect(window, &frame);
        out << "  window " << hexOf(reinterpret_cast<uintptr_t>(window)) << " class \""
            << toUtf8(classNameOf(window)) << "\" caption \"" << toUtf8(textOf(window)) << "\" at ("
            << frame.left << "," << frame.top << ")-(" << frame.right << "," << frame.bottom << ")"
            << (IsWindowEnabled(window) ? "" : " disabled") << "\n";
        for (HWND child : childrenOf(window)) {
            if (!IsWindowVisible(child)) continue;
            out << "    id " << GetDlgCtrlID(child) << " \"" << toUtf8(classNameOf(child))
                << "\" \"" << toUtf8(textOf(child)) << "\"\n";
        }
    }
    return out.str();
}

}  // namespace murkvale::e2e
