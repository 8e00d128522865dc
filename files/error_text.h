#pragma once
// One style for every engine message: a sentence naming the file in quotes
// (UTF-8) and, where the system gave one, its reason.
#include <cstdint>
#include <filesystem>
#include <string>

#include "files/engine_error.h"

namespace murkvale {

// The path in double quotes, or escaped where it holds anything but plain
// printable text (see text/visible_text.h).
std::string quotedPath(const std::filesystem::path& path);
// The same without the quotes a plain name needs inside a sentence.
std::string shownPath(const std::filesystem::path& path);

// A reason of our own, where no system call failed.
SystemReason ownReason(std::string text, SystemCause cause = SystemCause::None);

// The reason's text ends the sentence; a trailing full stop or line end is dropped.
[[noreturn]] void throwCannotOpen(const std::filesystem::path& path, const SystemReason& reason);
[[noreturn]] void throwCannotRead(const std::filesystem::path& path, const SystemReason& reason);
[[noreturn]] void throwCannotWrite(const std::filesystem::path& path, const SystemReason& reason);
[[noreturn]] void throwOutputExists(const std::filesystem::path& path, const SystemReason& reason);

// `since` completes "... the N bytes it had when it was <since>".
[[noreturn]] void throwLengthChanged(const std::filesystem::path& path, std::uint64_t now,
                                     std::uint64_t expected, const char* since);
[[noreturn]] void throwEndedEarly(const std::filesystem::path& path, std::uint64_t endedAt,
                                  std::uint64_t expected, const char* since);
[[noreturn]] void throwGrew(const std::filesystem::path& path, std::uint64_t expected,
                            const char* since);
[[noreturn]] void throwContentChanged(const std::filesystem::path& path, const char* since);
[[noreturn]] void throwSameFile(const std::filesystem::path& output,
                                const std::filesystem::path& input);
[[noreturn]] void throwNotRegular(const std::filesystem::path& output);
// OutputExists: something took the output's name and replacing was not allowed.
[[noreturn]] void throwNameTaken(const std::filesystem::path& output);
// CannotWrite: an output under the system's own names (/dev, /proc).
[[noreturn]] void throwSystemName(const std::filesystem::path& output);
[[noreturn]] void throwNotSealed(const std::filesystem::path& path);
[[noreturn]] void throwWrongPassword(const std::filesystem::path& path);

}  // namespace murkvale
