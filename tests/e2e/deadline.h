#pragma once
#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <type_traits>

namespace murkvale::e2e {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Long enough for Wine to start a process and draw a dialog on a busy machine,
// short enough that a stuck dialog fails the run instead of hanging it.
inline constexpr milliseconds kDefaultWait{15000};
inline constexpr milliseconds kPollInterval{50};

// Thrown when something the driver waits for does not happen in time; the
// message names what was awaited.
struct WaitTimedOut : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Calls `probe` until it returns a value or `limit` has passed.
template <class Probe>
auto pollUntil(const std::string& what, Probe probe, milliseconds limit = kDefaultWait)
    -> std::decay_t<decltype(*probe())> {
    const auto deadline = Clock::now() + limit;
    for (;;) {
        if (auto found = probe()) return *found;
        if (Clock::now() >= deadline) {
            throw WaitTimedOut("timed out after " + std::to_string(limit.count()) +
                               " ms waiting for " + what);
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

}  // namespace murkvale::e2e
