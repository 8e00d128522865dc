#pragma once
#include <string>

#include "cli/arguments.h"

namespace murkvale {

// The window accepts at most this many bytes; a longer password could never
// have sealed a file there, so it is refused here too.
inline constexpr std::size_t kMaxPasswordBytes = 16;

enum class PasswordUse { Seal, Open };

// The password as the bytes the digest takes: from --password-file, from
// --password-fd, or asked on the terminal (twice to seal). Converted to
// --codepage when given. Throws CliError; the caller wipes the result.
std::string obtainPassword(const Arguments& args, PasswordUse use);

}  // namespace murkvale
