#pragma once
// The words both windows' frameworks use when a field refuses its text or a
// handler fails unexpectedly. UTF-8.
#include <string>

namespace murkvale {

// "Please enter no more than %1 characters." with %1 replaced.
std::string maxCharsText(int maxChars);
inline constexpr char kPositiveIntegerText[] = "Please enter a positive integer.";
inline constexpr char kCodePageOnlyText[] =
    "Please enter only characters of the system's code page.";
inline constexpr char kUnexpectedErrorText[] = "An unexpected error occurred.";

}  // namespace murkvale
