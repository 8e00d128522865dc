#include "cli/terminal.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/cli_error.h"
#include "cli/process.h"
#include "files/error_text.h"

namespace murkvale {

void say(const std::string& text) { writeStderr("murkvale: " + text + "\n"); }

std::string quoted(const std::filesystem::path& path) { return quotedPath(path); }

namespace {

bool gStdoutUsed = false;

[[noreturn]] void stdoutFailed(int error) {
    throw CliError(ExitStatus::Failure, std::string("Cannot write to standard output: ") +
                                            std::strerror(error) + ".");
}

}  // namespace

void writeStdout(std::string_view utf8) {
    gStdoutUsed = true;
    if (!putStdout(utf8)) stdoutFailed(errno);
}

void writeStdoutBytes(const void* data, std::size_t size) {
    if (!gStdoutUsed) useDescriptorAsBytes(1);
    gStdoutUsed = true;
    if (std::fwrite(data, 1, size, stdout) != size || std::fflush(stdout) != 0) {
        stdoutFailed(errno);
    }
}

void closeStdout() {
    // Nothing written, nothing to lose: a closed standard output is no failure then.
    if (!gStdoutUsed) return;
    gStdoutUsed = false;
    if (std::fclose(stdout) != 0) stdoutFailed(errno);
}

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
        line.push_back(static_cast<char>(c));
        if (line.size() > kLineCap) break;
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

void ProgressBar::finish() {
    show(100);
    if (drawn_) writeStderr("\n");
    drawn_ = false;
}

}  // namespace murkvale
