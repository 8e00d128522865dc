// How promptly murkvale-gui answers during a long seal: the window's own
// buttons run a real seal of a file of N MiB with the default pacing, while a
// timer asks to run every 10 ms; prints the run's time and the gaps between
// the timer's turns (median and slowest). The file dialogs and the password
// are answered in code, so nothing waits for a person.
//   murkvale_window_answer_bench MIB FOLDER   (QT_QPA_PLATFORM=offscreen without a display)
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "qt/main_window.h"

namespace {

class AnsweredWindow : public murkvale::MainWindow {
  public:
    explicit AnsweredWindow(std::vector<std::filesystem::path> files) : files_(std::move(files)) {}
    std::optional<std::filesystem::path> chooseFile(const murkvale::FileDialogRequest&) override {
        if (next_ >= files_.size()) return std::nullopt;
        return files_[next_++];
    }
    bool promptPassword(const std::string&, std::string& password) override {
        password = "ab";
        return true;
    }

  private:
    std::vector<std::filesystem::path> files_;
    std::size_t next_ = 0;
};

void writeInput(const std::filesystem::path& path, long mebibytes) {
    std::ofstream out(path, std::ios::binary);
    const std::string block(1 << 20, 'x');
    for (long i = 0; i < mebibytes; ++i)
        out.write(block.data(), static_cast<std::streamsize>(block.size()));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s MIB FOLDER\n", argv[0]);
        return 2;
    }
    const long mebibytes = std::strtol(argv[1], nullptr, 10);
    const std::filesystem::path folder = argv[2];
    const auto input = folder / "answer-bench.in";
    const auto output = folder / "answer-bench.vae";
    writeInput(input, mebibytes);
    std::filesystem::remove(output);

    AnsweredWindow window({input, output});
    window.show();
    window.findChild<QPushButton*>(QStringLiteral("loadFile"))->click();

    std::vector<double> gaps;
    QElapsedTimer sinceLast;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (window.findChild<QLineEdit*>(QStringLiteral("status"))->text() != "Encrypting...")
            return;
        if (sinceLast.isValid())
            gaps.push_back(static_cast<double>(sinceLast.nsecsElapsed()) / 1e6);
        sinceLast.restart();
    });
    probe.start(10);
    QElapsedTimer run;
    run.start();
    window.findChild<QPushButton*>(QStringLiteral("encrypt"))->click();
    const double seconds = static_cast<double>(run.nsecsElapsed()) / 1e9;
    probe.stop();

    const bool sealed = std::filesystem::file_size(output) ==
                        static_cast<std::uintmax_t>(mebibytes) * (1 << 20) + 2;
    std::filesystem::remove(input);
    std::filesystem::remove(output);
    if (!sealed || gaps.empty()) {
        std::fprintf(stderr, "the seal did not complete, or the window never answered\n");
        return 1;
    }
    const auto slowest = std::max_element(gaps.begin(), gaps.end()) - gaps.begin();
    std::fprintf(stderr, "slowest gap is turn %ld of %zu\n", static_cast<long>(slowest),
                 gaps.size());
    std::sort(gaps.begin(), gaps.end());
    std::printf(
        "sealed %ld MiB in %.2f s; a 10 ms timer ran %zu times, gaps: median %.1f ms, "
        "slowest %.1f ms\n",
        mebibytes, seconds, gaps.size() + 1, gaps[gaps.size() / 2], gaps.back());
    return 0;
}
