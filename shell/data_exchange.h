#pragma once
// Dialog data exchange: copies members into controls and back, with checks
// that refuse a value, tell the user why and keep the dialog open.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace murkvale {

class CProgressCtrl;

class CDataExchange {
  public:
    // Thrown by Fail(); UpdateData turns it into FALSE.
    struct Failure {};

    CDataExchange(HWND dialog, bool saveAndValidate)
        : m_hDialog(dialog), m_bSaveAndValidate(saveAndValidate) {}

    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    // Puts the focus back in the last control (its text selected when it is an
    // edit) and abandons the exchange.
    [[noreturn]] void Fail();

    HWND dialog() const { return m_hDialog; }
    HWND lastControl() const { return m_hLastControl; }

    const HWND m_hDialog;
    const bool m_bSaveAndValidate;

  private:
    HWND m_hLastControl = nullptr;
    bool m_lastIsEdit = false;
};

void DDX_Text(CDataExchange& dx, int id, std::wstring& value);
void DDX_Text(CDataExchange& dx, int id, std::string& utf8Value);
void DDX_Text(CDataExchange& dx, int id, std::filesystem::path& value);
// An unsigned decimal number; other text is refused with "Please enter a positive integer."
void DDX_Text(CDataExchange& dx, int id, std::uint64_t& value);

void DDX_Control(CDataExchange& dx, int id, CProgressCtrl& control);

// Limits the edit just exchanged to `maxChars` when filling controls; refuses a
// longer text when reading them. Lengths count bytes of the ANSI code page.
void DDV_MaxChars(CDataExchange& dx, const std::wstring& value, int maxChars);
void DDV_MaxChars(CDataExchange& dx, const std::string& utf8Value, int maxChars);

// Refuses text with characters the ANSI code page cannot hold, which would
// otherwise all turn into the same default character.
void DDV_AnsiText(CDataExchange& dx, const std::wstring& value);

// The refusal texts, with %1 replaced.
std::wstring maxCharsMessage(int maxChars);

}  // namespace murkvale
