#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "cipher/password_digest.h"
#include "tests/e2e/control_input.h"
#include "tests/e2e/file_dialog.h"
#include "tests/e2e/murkvale_scenario.h"
#include "tests/e2e/murkvale_ui.h"
#include "tests/e2e/real_input.h"
#include "tests/e2e/window_search.h"
#include "text/wide_text_win32.h"

namespace murkvale::e2e {
namespace {

// Past 4 GiB, so sizes and offsets beyond 32 bits go through the window, and
// long enough under Wine (seconds per GiB) to watch the window while it works.
constexpr std::uint64_t kLongFileSize = 5ull << 30;
const std::wstring kLongFileSizeText = L"5368709120";
const std::wstring kLongFile = L"long.bin";
const std::wstring kPassword = L"Lantern";
// The run takes well under a minute alone; other builds may share the machine.
constexpr milliseconds kRunWait{240000};
// The system calls a window that has not looked at its queue for this long
// "Not Responding".
constexpr milliseconds kHungAfter{5000};

// Asks the window every 100 ms whether it answers, as the system does before
// it calls a window hung, and keeps how long each answer took.
class Prober {
  public:
    explicit Prober(HWND window) : thread_([this, window] { run(window); }) {}
    ~Prober() { stop(); }
    Prober(const Prober&) = delete;
    Prober& operator=(const Prober&) = delete;

    // Stops asking; then the answers may be read.
    void stop() {
        stopping_ = true;
        if (thread_.joinable()) thread_.join();
    }
    const std::vector<milliseconds>& answers() const { return answers_; }
    int unanswered() const { return unanswered_; }

  private:
    void run(HWND window) {
        auto next = Clock::now();
        while (!stopping_) {
            const auto sent = Clock::now();
            DWORD_PTR ignored = 0;
            // Twice the system's limit, so a slow answer is measured, not lost.
            if (SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 2 * kHungAfter.count(),
                                    &ignored)) {
                answers_.push_back(std::chrono::duration_cast<milliseconds>(Clock::now() - sent));
            } else {
                ++unanswered_;
            }
            next = std::max(next + milliseconds{100}, Clock::now());
            std::this_thread::sleep_until(next);
        }
    }

    std::atomic<bool> stopping_{false};
    std::vector<milliseconds> answers_;
    int unanswered_ = 0;
    std::thread thread_;  // last: it starts once the rest is ready
};

class LongRun : public MurkvaleScenario {
  protected:
    void TearDown() override {
        MurkvaleScenario::TearDown();
        // Gigabytes must not stay behind in the build folder.
        std::error_code ignored;
        std::filesystem::remove_all(std::filesystem::path(pathOf(L"")), ignored);
    }

    // Zeros, sparse under Wine, so the file costs no time or room to make.
    void writeSparseFile(const std::wstring& name, std::uint64_t size) const {
        const HANDLE file = CreateFileW(pathOf(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create the long file");
        LARGE_INTEGER end{};
        end.QuadPart = static_cast<LONGLONG>(size);
        const bool made = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
        CloseHandle(file);
        if (!made) throw std::runtime_error("cannot give the long file its length");
    }

    // Loads the long file and seals it into `sealed`, the first click on
    // Encrypt... given as `clickEncrypt` does; returns once the run shows.
    void startSealing(const std::wstring& sealed, void (*clickEncrypt)(HWND main)) {
        writeSparseFile(kLongFile, kLongFileSize);
        loadFile(kLongFile, kLongFileSizeText);

        step("Encrypt... the long file into " + toUtf8(sealed));
        clickEncrypt(mainWindow());
        answerPassword(L"Please enter a password:", kPassword);
        answerPassword(L"Please retype password:", kPassword);
        chooseInFileDialog(programId(), pathOf(sealed));
        pollUntil("the window to show \"Encrypting...\"", [&]() -> std::optional<bool> {
            if (field(ui::kStatus) == L"Encrypting...") return true;
            return std::nullopt;
        });
    }

    // Waits for the status "Free" again; meanwhile no other window of the
    // program may show, which would be a second command.
    void waitForTheRunToEnd() {
        pollUntil(
            "the run to end",
            [&]() -> std::optional<bool> {
                if (!programRunning())
                    throw std::runtime_error("Murkvale.exe ended during the run");
                requireOnlyTheMainWindow();
                if (field(ui::kStatus) == L"Free") return true;
                return std::nullopt;
            },
            kRunWait);
    }

    void requireOnlyTheMainWindow() const {
        const auto windows = visibleWindowsOf(programId());
        if (windows.size() != 1 || windows[0] != mainWindow()) {
            throw std::runtime_error("a second command started:\n" +
                                     describeWindowsOf(programId()));
        }
    }

    // The sealed zeros: the header, then every body byte is the key.
    void expectSealedZeros(const std::wstring& name, std::uint64_t plainSize) {
        const PasswordDigest digest = derivePasswordDigest(toUtf8(kPassword));
        const HANDLE file = CreateFileW(pathOf(name).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                        nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << toUtf8(name) << " was not written";
        constexpr DWORD kChunk = 1 << 20;
        const std::unique_ptr<char[]> chunk(new char[kChunk]);
        const std::string keyBytes(kChunk, static_cast<char>(digest.key));
        std::uint64_t total = 0;
        std::uint64_t firstWrong = UINT64_MAX;
        for (DWORD got = 0; ReadFile(file, chunk.get(), kChunk, &got, nullptr) && got > 0;
             total += got) {
            DWORD from = 0;
            if (total == 0) {
                EXPECT_EQ(chunk[0], '\x01') << "marker";
                EXPECT_EQ(static_cast<std::uint8_t>(chunk[1]), digest.check) << "check byte";
                from = 2;
            }
            if (firstWrong == UINT64_MAX &&
                std::memcmp(chunk.get() + from, keyBytes.data(), got - from) != 0) {
                firstWrong = total;
            }
        }
        CloseHandle(file);
        EXPECT_EQ(total, plainSize + 2) << "the sealed file is incomplete";
        EXPECT_EQ(firstWrong, UINT64_MAX) << "wrong bytes in the MiB at offset " << firstWrong;
    }
};

void realClickOnEncrypt(HWND main) { clickAt(centreOf(GetDlgItem(main, ui::kEncrypt))); }

void postedClickOnEncrypt(HWND main) { clickButton(main, ui::kEncrypt); }

// What a user or another program may do to the window during a run. None of
// it may start a command, then or once the run has ended.
struct Poke {
    const char* what;
    void (*poke)(HWND main);
};

const Poke kPokes[] = {
    {"a real click on Encrypt...", realClickOnEncrypt},
    // Enter would press Quit, the default button; Space the focused button.
    {"Enter and Space on the keyboard",
     [](HWND) {
         pressChord({VK_RETURN});
         pressChord({VK_SPACE});
     }},
    {"BM_CLICK posted to Decrypt...", [](HWND main) { clickButton(main, ui::kDecrypt); }},
    // Sent messages are answered inside the look at the queue: only the
    // window's busy flag stops these.
    {"BM_CLICK sent to Encrypt...",
     [](HWND main) {
         DWORD_PTR ignored = 0;
         SendMessageTimeoutW(GetDlgItem(main, ui::kEncrypt), BM_CLICK, 0, 0, SMTO_NORMAL, 10000,
                             &ignored);
     }},
    {"Load File... posted as a command",
     [](HWND main) { PostMessageW(main, WM_COMMAND, MAKEWPARAM(ui::kLoadFile, BN_CLICKED), 0); }},
    {"Encrypt... sent as a command",
     [](HWND main) {
         DWORD_PTR ignored = 0;
         SendMessageTimeoutW(main, WM_COMMAND, MAKEWPARAM(ui::kEncrypt, BN_CLICKED), 0, SMTO_NORMAL,
                             10000, &ignored);
     }},
    {"the About command posted",
     [](HWND main) { PostMessageW(main, WM_SYSCOMMAND, ui::kAboutCommand, 0); }},
};

TEST_F(LongRun, WindowAnswersThroughoutAndStartsNothingElse) {
    SetForegroundWindow(mainWindow());
    // A real click starts the run: the same click later must reach the window.
    startSealing(L"long.vae", realClickOnEncrypt);
    const auto started = Clock::now();
    Prober prober(mainWindow());

    for (const Poke& poke : kPokes) {
        step(std::string("during the run: ") + poke.what);
        ASSERT_EQ(GetForegroundWindow(), mainWindow()) << "the keys would go elsewhere";
        poke.poke(mainWindow());
        Sleep(300);
        requireOnlyTheMainWindow();
        ASSERT_EQ(field(ui::kStatus), L"Encrypting...") << "the run ended too soon to see";
    }
    saveScreenshot(mainWindow(), "main-window-sealing");

    step("the run ends, with nothing started by what was done during it");
    waitForTheRunToEnd();
    prober.stop();
    const auto took = std::chrono::duration_cast<milliseconds>(Clock::now() - started);
    // Input kept by the system would start its command now: give it time.
    Sleep(3000);
    ASSERT_TRUE(programRunning()) << "a key given during the run pressed Quit afterwards";
    requireOnlyTheMainWindow();
    expectMainFields(pathOf(kLongFile), kLongFileSizeText);

    step("every probe was answered, in less than the system's limit");
    std::vector<milliseconds> answers = prober.answers();
    EXPECT_EQ(prober.unanswered(), 0) << "probes the window never answered";
    ASSERT_FALSE(answers.empty());
    std::sort(answers.begin(), answers.end());
    std::printf("  run of %.1f s, %zu probes: median answer %lld ms, slowest %lld ms\n",
                static_cast<double>(took.count()) / 1000, answers.size(),
                static_cast<long long>(answers[answers.size() / 2].count()),
                static_cast<long long>(answers.back().count()));
    EXPECT_LT(answers.back(), kHungAfter);

    step("the sealed file is complete");
    EXPECT_EQ(folderContents().size(), 2u) << "only long.bin and long.vae";
    expectSealedZeros(L"long.vae", kLongFileSize);
}

// The middle of the close box, found by asking the window what the points of
// its caption row are, from the right edge in.
POINT closeBoxOf(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    const LONG y =
        frame.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    std::vector<LONG> inside;
    for (LONG x = frame.right - 1; x > frame.left; --x) {
        DWORD_PTR hit = HTNOWHERE;
        SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_NORMAL, 5000, &hit);
        if (hit == HTCLOSE) {
            inside.push_back(x);
        } else if (!inside.empty()) {
            break;
        }
    }
    if (inside.empty()) throw std::runtime_error("the window shows no close box");
    return {(inside.front() + inside.back()) / 2, y};
}

// Each way a person closes the window during a run cancels the run and ends
// the program.
struct CloseDuringRun {
    const char* name;
    void (*close)(HWND main);
};

const CloseDuringRun kClosesDuringRun[] = {
    {"CloseBox", [](HWND main) { clickAt(closeBoxOf(main)); }},
    {"AltF4",
     [](HWND) {
         pressChord({VK_MENU, VK_F4});
     }},
    // What the system menu's Close sends.
    {"SystemMenuClose", [](HWND main) { PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"CloseMessage", [](HWND main) { PostMessageW(main, WM_CLOSE, 0, 0); }},
};

class ClosingDuringARun : public LongRun, public testing::WithParamInterface<CloseDuringRun> {};

TEST_P(ClosingDuringARun, CancelsTheRunAndEndsTheProgram) {
    SetForegroundWindow(mainWindow());
    startSealing(L"long.vae", postedClickOnEncrypt);
    Sleep(500);  // well into the run, its temporary file growing

    step(std::string("close the window by ") + GetParam().name);
    ASSERT_EQ(GetForegroundWindow(), mainWindow()) << "the keys would go elsewhere";
    GetParam().close(mainWindow());
    EXPECT_TRUE(programEndsWithin(milliseconds{15000})) << "Murkvale.exe is still running";
    EXPECT_EQ(programExitCode(), 0u);

    step("nothing was written: no sealed file, no temporary file");
    EXPECT_EQ(folderContents(), std::vector<std::wstring>{kLongFile});
}

INSTANTIATE_TEST_SUITE_P(Ways, ClosingDuringARun, testing::ValuesIn(kClosesDuringRun),
                         [](const testing::TestParamInfo<CloseDuringRun>& way) {
                             return std::string(way.param.name);
                         });

}  // namespace
}  // namespace murkvale::e2e
