#include "files/error_text.h"

#include <string_view>
#include <utility>

#include "text/visible_text.h"

namespace murkvale {

namespace {

std::string trimmedText(std::string text) {
    while (!text.empty() && (text.back() == '.' || text.back() == '\n' || text.back() == '\r' ||
                             text.back() == ' ')) {
        text.pop_back();
    }
    return text.empty() ? std::string("unknown error") : text;
}

std::string bytes(std::uint64_t count) {
    return std::to_string(count) + (count == 1 ? " byte" : " bytes");
}

[[noreturn]] void fail(FailureKind kind, const std::filesystem::path& path,
                       const std::string& message, SystemReason reason = {}) {
    throw EngineError(kind, path, message, std::move(reason));
}

[[noreturn]] void failWithReason(FailureKind kind, const char* verb,
                                 const std::filesystem::path& path, const SystemReason& reason) {
    fail(kind, path,
         std::string(verb) + " " + quotedPath(path) + ": " + trimmedText(reason.text) + ".",
         reason);
}

}  // namespace

namespace {

// The path's own units (bytes on POSIX, UTF-16 on Windows), so a name that is
// not valid text is still shown faithfully, never converted or thrown over.
template <typename Char>
std::string shown(std::basic_string_view<Char> native, NameQuotes quotes) {
    if constexpr (sizeof(Char) == sizeof(char)) {
        return visibleName(std::string_view(native.data(), native.size()), quotes);
    } else {
        static_assert(sizeof(Char) == sizeof(char16_t));
        return visibleName(
            std::u16string_view(reinterpret_cast<const char16_t*>(native.data()), native.size()),
            quotes);
    }
}

}  // namespace

std::string quotedPath(const std::filesystem::path& path) {
    return shown<std::filesystem::path::value_type>(path.native(), NameQuotes::Always);
}

std::string shownPath(const std::filesystem::path& path) {
    return shown<std::filesystem::path::value_type>(path.native(), NameQuotes::WhenNeeded);
}

SystemReason ownReason(std::string text, SystemCause cause) {
    return SystemReason{0, std::move(text), cause};
}

void throwCannotOpen(const std::filesystem::path& path, const SystemReason& reason) {
    failWithReason(FailureKind::CannotOpen, "Cannot open", path, reason);
}

void throwCannotRead(const std::filesystem::path& path, const SystemReason& reason) {
    failWithReason(FailureKind::CannotRead, "Cannot read", path, reason);
}

void throwCannotWrite(const std::filesystem::path& path, const SystemReason& reason) {
    failWithReason(FailureKind::CannotWrite, "Cannot write", path, reason);
}

void throwOutputExists(const std::filesystem::path& path, const SystemReason& reason) {
    failWithReason(FailureKind::OutputExists, "Cannot write", path, reason);
}

void throwLengthChanged(const std::filesystem::path& path, std::uint64_t now,
                        std::uint64_t expected, const char* since) {
    fail(FailureKind::InputChanged, path,
         quotedPath(path) + " is " + bytes(now) + " long now, not the " + bytes(expected) +
             " it had when it was " + since + ".");
}

void throwEndedEarly(const std::filesystem::path& path, std::uint64_t endedAt,
                     std::uint64_t expected, const char* since) {
    fail(FailureKind::InputChanged, path,
         quotedPath(path) + " ended after " + bytes(endedAt) + " while it was read, short of the " +
             bytes(expected) + " it had when it was " + since + ".");
}

void throwGrew(const std::filesystem::path& path, std::uint64_t expected, const char* since) {
    fail(FailureKind::InputChanged, path,
         quotedPath(path) + " grew while it was read, beyond the " + bytes(expected) +
             " it had when it was " + since + ".");
}

void throwContentChanged(const std::filesystem::path& path, const char* since) {
    fail(FailureKind::InputChanged, path,
         quotedPath(path) + " has changed since it was " + since + ".");
}

void throwSameFile(const std::filesystem::path& output, const std::filesystem::path& input) {
    fail(FailureKind::SameFile, output,
         "Cannot write " + quotedPath(output) + ": it is the file being read, " +
             quotedPath(input) + ".");
}

void throwNotRegular(const std::filesystem::path& output) {
    throwCannotWrite(output, ownReason("it is a folder or a device, not a file"));
}

void throwNameTaken(const std::filesystem::path& output) {
    throwOutputExists(output, ownReason("a file of that name already exists"));
}

void throwSystemName(const std::filesystem::path& output) {
    throwCannotWrite(output, ownReason("it is under /dev or /proc, which belong to the system"));
}

void throwNotSealed(const std::filesystem::path& path) {
    fail(FailureKind::NotSealed, path, quotedPath(path) + " is not a Vael file.");
}

void throwWrongPassword(const std::filesystem::path& path) {
    fail(FailureKind::WrongPassword, path,
         "Password mismatch! The password does not open " + quotedPath(path) + ".");
}

}  // namespace murkvale
