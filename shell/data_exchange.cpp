#include "shell/data_exchange.h"

#include <optional>

#include "cipher/wipe.h"
#include "shell/framework_messages.h"
#include "shell/number_text.h"
#include "shell/progress_ctrl.h"
#include "text/code_page.h"
#include "text/wide_text_win32.h"
#include "text/window_texts.h"

namespace murkvale {

HWND CDataExchange::PrepareCtrl(int id) {
    m_hLastControl = GetDlgItem(m_hDialog, id);
    m_lastIsEdit = false;
    return m_hLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
    PrepareCtrl(id);
    m_lastIsEdit = true;
    return m_hLastControl;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_hLastControl) {
        SetFocus(m_hLastControl);
        if (m_lastIsEdit) SendMessageW(m_hLastControl, EM_SETSEL, 0, -1);
    }
    throw Failure{};
}

namespace {

// The text in the ANSI code page, the unit of the fields' limits; nothing
// when a character has no byte form there. The copies are wiped, since the
// text may be a password.
std::optional<std::size_t> ansiLength(const std::wstring& text) {
    std::string utf8 = toUtf8(text);
    std::optional<std::string> bytes = toCodePage(utf8, userCodePage());
    wipe(utf8);
    if (!bytes) return std::nullopt;
    const std::size_t length = bytes->size();
    wipe(*bytes);
    return length;
}

// Reads the control's text straight into `value`, wiping what it held, so a
// password leaves no stray copy in a temporary buffer.
void readText(HWND control, std::wstring& value) {
    wipeWide(value);
    const int length = GetWindowTextLengthW(control);
    if (length <= 0) return;
    value.resize(static_cast<std::size_t>(length) + 1);
    const int copied = GetWindowTextW(control, value.data(), length + 1);
    value.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
}

}  // namespace

void DDX_Text(CDataExchange& dx, int id, std::wstring& value) {
    const HWND control = dx.PrepareEditCtrl(id);
    if (dx.m_bSaveAndValidate) {
        readText(control, value);
    } else {
        SetWindowTextW(control, value.c_str());
    }
}

void DDX_Text(CDataExchange& dx, int id, std::string& utf8Value) {
    std::wstring wide = dx.m_bSaveAndValidate ? std::wstring() : toWide(utf8Value);
    DDX_Text(dx, id, wide);
    if (dx.m_bSaveAndValidate) utf8Value = toUtf8(wide);
}

void DDX_Text(CDataExchange& dx, int id, std::filesystem::path& value) {
    std::wstring wide = dx.m_bSaveAndValidate ? std::wstring() : value.wstring();
    DDX_Text(dx, id, wide);
    if (dx.m_bSaveAndValidate) value = std::filesystem::path(wide);
}

void DDX_Text(CDataExchange& dx, int id, std::uint64_t& value) {
    const HWND control = dx.PrepareEditCtrl(id);
    if (!dx.m_bSaveAndValidate) {
        SetWindowTextW(control, formatUnsignedDecimal(value).c_str());
        return;
    }
    std::wstring text;
    readText(control, text);
    const auto parsed = parseUnsignedDecimal(text);
    if (!parsed) {
        showValidationMessage(dx.dialog(), toWide(kPositiveIntegerText));
        dx.Fail();
    }
    value = *parsed;
}

void DDX_Control(CDataExchange& dx, int id, CProgressCtrl& control) {
    const HWND item = dx.PrepareCtrl(id);
    // A dialog shown again has new controls: follow them.
    if (control.GetSafeHwnd() != item) control.Attach(item);
}

void DDV_MaxChars(CDataExchange& dx, const std::wstring& value, int maxChars) {
    const HWND control = dx.lastControl();
    if (!dx.m_bSaveAndValidate) {
        if (control) SendMessageW(control, EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
        return;
    }
    // A character the code page lacks counts as the one character it would
    // become; DDV_AnsiText refuses it on its own.
    const std::size_t length = ansiLength(value).value_or(value.size());
    if (length > static_cast<std::size_t>(maxChars)) {
        showValidationMessage(dx.dialog(), maxCharsMessage(maxChars));
        dx.Fail();
    }
    if (control) SendMessageW(control, EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
}

void DDV_MaxChars(CDataExchange& dx, const std::string& utf8Value, int maxChars) {
    DDV_MaxChars(dx, toWide(utf8Value), maxChars);
}

void DDV_AnsiText(CDataExchange& dx, const std::wstring& value) {
    if (dx.m_bSaveAndValidate && !ansiLength(value)) {
        showValidationMessage(dx.dialog(), toWide(kCodePageOnlyText));
        dx.Fail();
    }
}

std::wstring maxCharsMessage(int maxChars) { return toWide(maxCharsText(maxChars)); }

}  // namespace murkvale
