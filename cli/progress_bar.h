#pragma once
#include <string>

namespace murkvale {

// A one-line bar on standard error, redrawn in place, erased when done. It
// draws nothing when disabled (-q, or standard error is not a terminal).
class ProgressBar {
  public:
    ProgressBar(std::string label, bool enabled);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    // Draws the bar at `position` (0..100); nothing when disabled.
    void show(int position);

  private:
    std::string label_;
    bool enabled_;
    bool drawn_ = false;
};

}  // namespace murkvale
