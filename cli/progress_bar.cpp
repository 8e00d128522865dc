#include "cli/progress_bar.h"

#include <algorithm>

#include "cli/console.h"

namespace murkvale {
namespace {
constexpr int kWidth = 30;
}

ProgressBar::ProgressBar(std::string label, bool enabled)
    : label_(std::move(label)), enabled_(enabled) {}

ProgressBar::~ProgressBar() {
    if (drawn_) writeStderr("\r" + std::string(label_.size() + kWidth + 20, ' ') + "\r");
}

void ProgressBar::show(int position) {
    if (!enabled_) return;
    position = std::clamp(position, 0, 100);
    int filled = position * kWidth / 100;
    std::string line = "\rmurkvale: " + label_ + " [" + std::string(filled, '#') +
                       std::string(kWidth - filled, ' ') + "] " + std::to_string(position) + "%";
    writeStderr(line);
    drawn_ = true;
}

}  // namespace murkvale
