#include "files/error_text.h"

namespace murkvale {

namespace {

std::string trimmedReason(std::string reason) {
    while (!reason.empty() &&
           (reason.back() == '.' || reason.back() == '\n' || reason.back() == '\r' ||
            reason.back() == ' ')) {
        reason.pop_back();
    }
    return reason.empty() ? std::string("unknown error") : reason;
}

std::string bytes(std::uint64_t count) {
    return std::to_string(count) + (count == 1 ? " byte" : " bytes");
}

[[noreturn]] void fail(FailureKind kind, const std::filesystem::path& path,
                       const std::string& message) {
    throw EngineError(kind, path, message);
}

}  // namespace

std::string quotedPath(const std::filesystem::path& path) {
    return "\"" + path.u8string() + "\"";
}

void throwCannotOpen(const std::filesystem::path& path, const std::string& reason) {
    fail(FailureKind::CannotOpen, path,
         "Cannot open " + quotedPath(path) + ": " + trimmedReason(reason) + ".");
}

void throwCannotRead(const std::filesystem::path& path, const std::string& reason) {
    fail(FailureKind::CannotRead, path,
         "Cannot read " + quotedPath(path) + ": " + trimmedReason(reason) + ".");
}

void throwCannotWrite(const std::filesystem::path& path, const std::string& reason) {
    fail(FailureKind::CannotWrite, path,
         "Cannot write " + quotedPath(path) + ": " + trimmedReason(reason) + ".");
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
    fail(FailureKind::CannotWrite, output,
         "Cannot write " + quotedPath(output) + ": it is a folder or a device, not a file.");
}

void throwNotSealed(const std::filesystem::path& path) {
    fail(FailureKind::NotSealed, path, quotedPath(path) + " is not a sealed Vael file.");
}

void throwWrongPassword(const std::filesystem::path& path) {
    fail(FailureKind::WrongPassword, path,
         "The password does not match the one " + quotedPath(path) + " was sealed with.");
}

}  // namespace murkvale
