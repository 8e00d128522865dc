#pragma once
#include <string>

#include "cli/arguments.h"
#include "text/password_rules.h"

namespace murkvale {

enum class PasswordUse { Seal, Open };

// The password as the bytes the digest takes: from --password-file, from
// --password-fd, or asked on the terminal (twice to seal). Converted to
// --codepage when given, and checked against the window's rules. Throws CliError.
PasswordBytes obtainPassword(const Arguments& args, PasswordUse use);

}  // namespace murkvale
