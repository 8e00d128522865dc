#pragma once
// Windows code pages: the byte form in which the Windows program digests a
// typed password. Everywhere else Murkvale's text is UTF-8.
#include <optional>
#include <string>
#include <string_view>

namespace murkvale {

inline constexpr unsigned kCodePageUtf8 = 65001;

// Windows' ANSI code pages and UTF-8: the forms a password can take there.
bool isSupportedCodePage(unsigned codePage);
// "874, 932, 936, 949, 950, 1250-1258 and 65001", for messages.
std::string supportedCodePagesText();

// `utf8` in `codePage`, or nothing when it is not valid UTF-8 or holds a
// character the code page lacks: no look-alike is put in its place, so two
// different passwords never give the same bytes. `codePage` must be supported.
// The caller wipes the result.
std::optional<std::string> toCodePage(std::string_view utf8, unsigned codePage);

// The ANSI code page that Windows uses for a user of this locale name (as in
// LANG: "ru_RU.UTF-8", "sr_RS@latin", "C"), by its language; 1252 for C,
// POSIX and any language without a table entry.
unsigned codePageForLocale(std::string_view locale);

// The code page the Windows program digests passwords in for this user: the
// system's ANSI code page on Windows; elsewhere the one Windows would pick for
// the locale named by LC_ALL, LC_CTYPE or LANG, the first that is set.
unsigned userCodePage();

}  // namespace murkvale
