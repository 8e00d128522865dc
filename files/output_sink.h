#pragma once
#include <cstddef>
#include <cstdint>

namespace murkvale {

// Where the engine writes the bytes it makes: a temporary file that takes the
// output's name at the end, or a stream (standard output) that cannot be
// taken back once written.
class OutputSink {
  public:
    virtual ~OutputSink() = default;
    virtual void write(const std::uint8_t* data, std::size_t size) = 0;  // CannotWrite
};

}  // namespace murkvale
