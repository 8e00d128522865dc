#pragma once
// Starts writing an output to disk while the next blocks are still being
// made, so the final flush has little left, and drops what is already on
// disk from the page cache, so a long run does not push other files out.
#include <cstdint>

namespace murkvale {

class EarlyWriteback {
  public:
    // Call after every write, with the file's length so far.
    void wrote(int fd, std::uint64_t length);

  private:
    std::uint64_t started_ = 0;  // writeback asked for everything below this
    std::uint64_t dropped_ = 0;  // everything below this is on disk and uncached
};

}  // namespace murkvale
