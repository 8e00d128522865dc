#pragma once
// What the Windows program accepts as a password, for every front end: the
// text in the code page it digests in, at most 16 bytes there, and every
// character with a byte form of its own in that code page.
#include <cstddef>
#include <optional>
#include <string>

namespace murkvale {

inline constexpr std::size_t kMaxPasswordBytes = 16;

enum class PasswordRefusal {
    None,
    NotInCodePage,  // a character the code page lacks, or text that is not UTF-8
    TooLong,        // over kMaxPasswordBytes bytes in the code page
};

// The bytes the digest takes. Wiped when it goes.
struct PasswordBytes {
    PasswordBytes() = default;
    ~PasswordBytes();
    PasswordBytes(PasswordBytes&& other);
    PasswordBytes& operator=(PasswordBytes&& other);
    PasswordBytes(const PasswordBytes&) = delete;
    PasswordBytes& operator=(const PasswordBytes&) = delete;

    PasswordRefusal refusal = PasswordRefusal::None;
    std::size_t length = 0;  // in the code page; what a too-long refusal counted
    std::string bytes;       // empty unless refusal is None
};

// Turns a typed password (UTF-8, wiped here) into the digest's bytes in
// `codePage`, which must be supported; with no code page the typed bytes are
// taken as they are and only the length is checked.
PasswordBytes preparePassword(std::string typed, std::optional<unsigned> codePage);

}  // namespace murkvale
