#include "text/password_rules.h"

#include "cipher/wipe.h"
#include "text/code_page.h"

namespace murkvale {

PasswordBytes::~PasswordBytes() { wipe(bytes); }

// Copies, then wipes the source: a moved short string keeps its bytes behind.
PasswordBytes::PasswordBytes(PasswordBytes&& other)
    : refusal(other.refusal), length(other.length), bytes(other.bytes) {
    wipe(other.bytes);
}

PasswordBytes& PasswordBytes::operator=(PasswordBytes&& other) {
    if (this != &other) {
        wipe(bytes);
        refusal = other.refusal;
        length = other.length;
        bytes = other.bytes;
        wipe(other.bytes);
    }
    return *this;
}

PasswordBytes preparePassword(std::string typed, std::optional<unsigned> codePage) {
    PasswordBytes result;
    if (codePage) {
        std::optional<std::string> converted = toCodePage(typed, *codePage);
        wipe(typed);
        if (!converted) {
            result.refusal = PasswordRefusal::NotInCodePage;
            return result;
        }
        result.bytes = *converted;
        wipe(*converted);
    } else {
        result.bytes = typed;
        wipe(typed);
    }
    result.length = result.bytes.size();
    if (result.length > kMaxPasswordBytes) {
        result.refusal = PasswordRefusal::TooLong;
        wipe(result.bytes);
    }
    return result;
}

}  // namespace murkvale
