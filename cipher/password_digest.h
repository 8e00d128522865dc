#pragma once
#include <cstdint>
#include <string_view>

namespace murkvale {

// The two bytes a password yields: `check` is stored in every sealed file,
// `key` is added to the body and never stored.
struct PasswordDigest {
    std::uint8_t check = 0;
    std::uint8_t key = 0;
};

// The password is taken as raw bytes (the ANSI code page on Windows), untouched.
PasswordDigest derivePasswordDigest(std::string_view password);

}  // namespace murkvale
