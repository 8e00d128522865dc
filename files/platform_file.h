#pragma once
// The few file operations the engine needs, with one implementation on POSIX
// and one on Win32. Every failure throws EngineError naming the file.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
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
    // The permission bits a new output made from it starts from (POSIX; 0666
    // on Windows, where files have none).
    std::uint32_t permissionBits() const;
    void seek(std::uint64_t offset);  // CannotRead
    // Fills `buffer` unless the file ends first; returns the count read. CannotRead
    std::size_t read(std::uint8_t* buffer, std::size_t size);

  private:
    std::filesystem::path path_;
    NativeHandle handle_;
};

// A new file in the folder of `target` that takes the target's name only
// through commit(); until then the destructor deletes it. Where the system
// allows (see OutputRoad) it has no name at all until then, so even a killed
// process leaves nothing behind. A new output gets `newFileMode`'s permission
// bits less the umask (POSIX only); one that replaces a file gets that file's
// mode, owner, group, ACL and extended attributes where the process may set
// them.
class TempOutputFile : public OutputSink {
  public:
    TempOutputFile(const std::filesystem::path& target, Replace replace,
                   std::uint32_t newFileMode = 0666);  // CannotWrite
    ~TempOutputFile() override;
    TempOutputFile(const TempOutputFile&) = delete;
    TempOutputFile& operator=(const TempOutputFile&) = delete;

    void write(const std::uint8_t* data, std::size_t size) override;
    // Flushes to disk, calls `lastCheck` (which may throw to abandon the run)
    // with interrupting signals held back, and gives the file the target's
    // name; where replacing is not allowed, a file that took the name since
    // it was checked is refused and left alone. CannotWrite, OutputExists
    void commit(const std::function<void()>& lastCheck);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// A name the system keeps for its own objects (on POSIX anything under /dev
// or /proc), where an output is never written whatever it is.
bool isSystemName(const std::filesystem::path& path);

// Where an output named `path` is written: the file a symbolic link there
// points to, fully resolved, so the link stays a link; `path` itself when it
// is no link (and on Windows). Nothing when the link leads nowhere.
std::optional<std::filesystem::path> followedOutputName(const std::filesystem::path& path);

// Refuses a folder that cannot take a new file of this name: one the
// process may not write, or a name longer than the folder allows. CannotWrite
void checkFolderTakes(const std::filesystem::path& target);

// Names of temporary files start with this, so leftovers are easy to spot.
inline constexpr char kTempFilePrefix[] = ".murkvale-";

}  // namespace murkvale
