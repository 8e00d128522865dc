#pragma once
#include <string>

#include "cipher/progress.h"

namespace murkvale {

// A one-line bar on standard error, redrawn in place, erased when done. It
// draws nothing when disabled (-q, or standard error is not a terminal).
class ProgressBar {
  public:
    ProgressBar(std::string label, bool enabled);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    // A sink for the engine; empty when disabled, so the engine skips reporting.
    ProgressSink sink();

  private:
    void draw(int position);

    std::string label_;
    bool enabled_;
    bool drawn_ = false;
};

}  // namespace murkvale
