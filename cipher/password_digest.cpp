#include "cipher/password_digest.h"

namespace murkvale {

PasswordDigest derivePasswordDigest(std::string_view password) {
    PasswordDigest digest;
    digest.check = 0x00;
    digest.key = 0x2A;
    // The terminating zero takes part as position n, so walk n + 1 positions.
    for (std::size_t i = 0; i <= password.size(); ++i) {
        const auto b = i < password.size() ? static_cast<std::uint8_t>(password[i]) : std::uint8_t{0};
        if (i % 2 == 0) {
            digest.check = static_cast<std::uint8_t>(digest.check + b);
            digest.key = static_cast<std::uint8_t>((digest.key + b) * digest.check);
        } else {
            digest.check = static_cast<std::uint8_t>(digest.check - b);
            digest.key = static_cast<std::uint8_t>(digest.key - b);
        }
    }
    return digest;
}

}  // namespace murkvale
