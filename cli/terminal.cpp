#include "cli/terminal.h"

#include <algorithm>

#include "cli/process.h"

namespace murkvale {

void say(const std::string& text) { writeStderr("murkvale: " + text + "\n"); }

std::string quoted(const std::filesystem::path& path) { return "\"" + pathText(path) + "\""; }

std::optional<std::string> readLine(const std::function<int()>& nextByte) {
    std::string line;
    bool any = false;
    bool ended = false;
    for (int c = nextByte(); c >= 0; c = nextByte()) {
        any = true;
        if (c == '\n') {
            ended = true;
            break;
        }
        if (line.size() <= kLineCap) line.push_back(static_cast<char>(c));
    }
    if (!any) return std::nullopt;
    // A '\r' counts as part of the ending only before a '\n'.
    if (ended && !line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

namespace {
constexpr int kBarWidth = 30;
}  // namespace

ProgressBar::ProgressBar(std::string label, bool enabled)
    : label_(std::move(label)), enabled_(enabled && stderrIsTerminal()) {}

ProgressBar::~ProgressBar() {
    if (drawn_) writeStderr("\r" + std::string(label_.size() + kBarWidth + 20, ' ') + "\r");
}

void ProgressBar::show(int position) {
    if (!enabled_) return;
    position = std::clamp(position, 0, 100);
    const int filled = position * kBarWidth / 100;
    writeStderr("\rmurkvale: " + label_ + " [" + std::string(filled, '#') +
                std::string(kBarWidth - filled, ' ') + "] " + std::to_string(position) + "%");
    drawn_ = true;
}

}  // namespace murkvale
