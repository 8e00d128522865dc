#include "files/early_writeback.h"

#include <fcntl.h>

namespace murkvale {

namespace {
// Far enough apart that each call has real work; near enough that the final
// flush has little left. Waiting a few steps behind keeps the disk's queue
// full; dropping smaller pieces more often cost more than it saved.
constexpr std::uint64_t kStep = std::uint64_t{16} << 20;
constexpr std::uint64_t kStepsAhead = 4;
}  // namespace

// Failures only cost speed: the final fsync still writes everything and
// reports any error, so none are looked at here.
void EarlyWriteback::wrote(int fd, std::uint64_t length) {
    while (length >= started_ + kStep) {
        (void)::sync_file_range(fd, static_cast<off_t>(started_), static_cast<off_t>(kStep),
                                SYNC_FILE_RANGE_WRITE);
        started_ += kStep;
        // Steps behind: by now usually written, so waiting costs little.
        if (started_ >= dropped_ + kStepsAhead * kStep) {
            (void)::sync_file_range(fd, static_cast<off_t>(dropped_), static_cast<off_t>(kStep),
                                    SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE |
                                        SYNC_FILE_RANGE_WAIT_AFTER);
            (void)::posix_fadvise(fd, static_cast<off_t>(dropped_), static_cast<off_t>(kStep),
                                  POSIX_FADV_DONTNEED);
            dropped_ += kStep;
        }
    }
}

}  // namespace murkvale
