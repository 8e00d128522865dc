#pragma once
// Conversions at the Win32 boundary: the commands speak UTF-8, the window
// speaks UTF-16, and passwords are digested in the ANSI code page.
#include <string>
#include <string_view>

namespace murkvale {

std::wstring utf8ToWide(std::string_view text);
std::string wideToUtf8(std::wstring_view text);

// Text in `codePage` (CP_ACP by default, 0). Characters the code page cannot
// represent become its default character.
std::wstring codePageToWide(std::string_view text, unsigned codePage = 0);
// Converts into `out`, wiping its previous bytes first, so no stray copy of a
// password is left in a temporary.
void wideToCodePage(std::wstring_view text, std::string& out, unsigned codePage = 0);

// How many bytes `text` takes in `codePage`: the unit of the password limit.
std::size_t codePageByteCount(std::wstring_view text, unsigned codePage = 0);
// The length check of the dialogs' fields: at most `maxChars` bytes in `codePage`.
bool withinMaxChars(std::wstring_view text, std::size_t maxChars, unsigned codePage = 0);
// Whether every character of `text` has its own representation in `codePage`.
bool fitsCodePage(std::wstring_view text, unsigned codePage = 0);

// Overwrites a wide text before its memory is released.
void wipeWide(std::wstring& secret) noexcept;

}  // namespace murkvale
