#pragma once
// The few file operations the engine needs, with one implementation on POSIX
// and one on Win32. Every failure throws EngineError naming the file.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "files/engine_error.h"
#include "files/file_policy.h"
#include "files/output_sink.h"

namespace murkvale {

#ifdef _WIN32
using NativeHandle = void*;
#else
using NativeHandle = int;
#endif

// What makes two paths the same file: device and inode on POSIX, volume
// serial number and file index on Windows.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    bool operator==(const FileIdentity& other) const {
        return volume == other.volume && index == other.index;
    }
};

struct ExistingFile {
    FileIdentity identity;
    bool regular = false;  // not a folder, device, pipe or socket
};

// The system's reason for error `code` (errno, or a Win32 error code).
SystemReason systemReason(unsigned long code);

// What `path` names, links followed; nothing when there is no such file or it
// cannot be examined.
std::optional<ExistingFile> examine(const std::filesystem::path& path);

// Whether anything has this name, a dangling symbolic link included.
bool nameTaken(const std::filesystem::path& path);

// An existing regular file opened for reading; never creates one.
class InputFile {
  public:
    InputFile(const std::filesystem::path& path, Sharing sharing);  // CannotOpen
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::uint64_t length() const;     // CannotRead
    FileIdentity identity() const;    // CannotRead
    void seek(std::uint64_t offset);  // CannotRead
    // Fills `buffer` unless the file ends first; returns the count read. CannotRead
    std::size_t read(std::uint8_t* buffer, std::size_t size);

  private:
    std::filesystem::path path_;
    NativeHandle handle_;
};

// A new file beside `target`, created exclusively under a unique name, that
// takes the target's name only through commit(). Until then the destructor
// deletes it.
class TempOutputFile : public OutputSink {
  public:
    TempOutputFile(const std::filesystem::path& target, Replace replace);  // CannotWrite
    ~TempOutputFile() override;
    TempOutputFile(const TempOutputFile&) = delete;
    TempOutputFile& operator=(const TempOutputFile&) = delete;

    const std::filesystem::path& tempPath() const { return tempPath_; }
    void write(const std::uint8_t* data, std::size_t size) override;
    // Flushes to disk, closes, and gives the file the target's name.
    // CannotWrite, OutputExists
    void commit();

  private:
    void closeHandle();

    std::filesystem::path target_;
    Replace replace_;
    std::filesystem::path tempPath_;
    NativeHandle handle_;
    bool open_ = false;
    bool committed_ = false;
};

// Names of temporary files start with this, so leftovers are easy to spot.
inline constexpr char kTempFilePrefix[] = ".murkvale-";

}  // namespace murkvale
