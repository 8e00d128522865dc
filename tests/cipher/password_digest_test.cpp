#include "cipher/password_digest.h"

#include <gtest/gtest.h>

#include <string>

namespace murkvale {
namespace {

struct DigestCase {
    std::string password;
    int check;
    int key;
};

TEST(PasswordDigest, MatchesKnownValues) {
    const DigestCase cases[] = {
        {"", 0x00, 0x00},     // the lone terminator multiplies 42 by 0
        {"ab", 0xFF, 0xB7},   // even length: the terminator multiplies once more
        {"abc", 0x62, 0xD8},  // odd length: the terminator changes nothing
        {"\xE9", 0xE9, 0x4B}, // bytes above 0x7F count as their code
    };
    for (const auto& c : cases) {
        const PasswordDigest d = derivePasswordDigest(c.password);
        EXPECT_EQ(d.check, c.check) << "password \"" << c.password << "\"";
        EXPECT_EQ(d.key, c.key) << "password \"" << c.password << "\"";
    }
}

TEST(PasswordDigest, LetterCaseMatters) {
    const PasswordDigest lower = derivePasswordDigest("secret");
    const PasswordDigest upper = derivePasswordDigest("Secret");
    EXPECT_TRUE(lower.check != upper.check || lower.key != upper.key);
}

TEST(PasswordDigest, EmbeddedZeroBytesTakePart) {
    const PasswordDigest withZero = derivePasswordDigest(std::string("a\0b", 3));
    const PasswordDigest without = derivePasswordDigest("ab");
    EXPECT_TRUE(withZero.check != without.check || withZero.key != without.key);
}

}  // namespace
}  // namespace murkvale
