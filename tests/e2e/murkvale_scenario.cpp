#include "tests/e2e/murkvale_scenario.h"

#include <commctrl.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/e2e/control_input.h"
#include "tests/e2e/driver_settings.h"
#include "tests/e2e/file_dialog.h"
#include "tests/e2e/murkvale_ui.h"
#include "tests/e2e/screenshot.h"
#include "tests/e2e/window_search.h"
#include "text/wide_text_win32.h"

namespace murkvale::e2e {

namespace fs = std::filesystem;

namespace {

// A first start in a fresh Wine prefix loads more than later ones.
constexpr milliseconds kStartWait{30000};

std::wstring scenarioFolderName() {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    std::wstring name = toWide(std::string(test->test_suite_name()) + "." + test->name());
    for (auto& c : name) {
        if (c == L'/') c = L'_';
    }
    return name;
}

}  // namespace

void MurkvaleScenario::SetUp() {
    const auto& settings = driverSettings();
    folder_ = (fs::path(settings.workFolder) / scenarioFolderName()).wstring();
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    // A picture of an earlier run's failure would mislead whoever reads this run's.
    fs::remove(fs::path(settings.screenshots) / (L"failure-" + scenarioFolderName() + L".bmp"));

    step("start Murkvale.exe and wait for its main window");
    program_ = std::make_unique<ProgramProcess>(settings.program, folder_);
    main_ = waitForWindow(programId(), "the main window \"Murkvale\"",
                          dialogWith(L"Murkvale", ui::kFilePath), kStartWait);
}

void MurkvaleScenario::TearDown() {
    if (HasFailure() && program_) {
        std::printf("FAILED during step: %s\n", step_.c_str());
        if (!program_->running()) std::printf("Murkvale.exe is no longer running.\n");
        const std::string picture = toUtf8(driverSettings().screenshots) + "\\failure-" +
                                    toUtf8(scenarioFolderName()) + ".bmp";
        try {
            std::printf("Windows of Murkvale.exe on screen:\n%s",
                        describeWindowsOf(programId()).c_str());
            e2e::saveScreenshot(GetDesktopWindow(), picture);
            std::printf("Screen saved to %s\n", picture.c_str());
        } catch (const std::exception& error) {
            std::printf("Could not show the screen: %s\n", error.what());
        }
        std::fflush(stdout);
    }
    program_.reset();  // kills the program if it still runs
}

void MurkvaleScenario::step(const std::string& description) {
    step_ = description;
    std::printf("  step: %s\n", description.c_str());
    std::fflush(stdout);
}

std::wstring MurkvaleScenario::pathOf(const std::wstring& name) const {
    return (fs::path(folder_) / name).wstring();
}

void MurkvaleScenario::writeFile(const std::wstring& name, const std::string& bytes) const {
    std::ofstream out(fs::path(pathOf(name)), std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write fixture " + toUtf8(name));
}

std::string MurkvaleScenario::readFile(const std::wstring& name) const {
    std::ifstream in(fs::path(pathOf(name)), std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + toUtf8(name));
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool MurkvaleScenario::fileExists(const std::wstring& name) const {
    return fs::exists(fs::path(pathOf(name)));
}

std::vector<std::wstring> MurkvaleScenario::folderContents() const {
    std::vector<std::wstring> names;
    for (const auto& entry : fs::directory_iterator(fs::path(folder_))) {
        names.push_back(entry.path().filename().wstring());
    }
    return names;
}

std::wstring MurkvaleScenario::field(int id) const { return textOf(GetDlgItem(main_, id)); }

void MurkvaleScenario::expectMainFields(const std::wstring& path, const std::wstring& size) const {
    EXPECT_EQ(toUtf8(field(ui::kFilePath)), toUtf8(path)) << "File field, at step: " << step_;
    EXPECT_EQ(toUtf8(field(ui::kFileSize)), toUtf8(size)) << "File size field, at step: " << step_;
    EXPECT_EQ(toUtf8(field(ui::kStatus)), "Free") << "Status field, at step: " << step_;
    DWORD_PTR position = 1;
    SendMessageTimeoutW(GetDlgItem(main_, ui::kProgress), PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 5000,
                        &position);
    EXPECT_EQ(position, 0u) << "progress bar, at step: " << step_;
}

void MurkvaleScenario::press(int buttonId) const { clickButton(main_, buttonId); }

void MurkvaleScenario::loadFile(const std::wstring& name, const std::wstring& expectedSize) {
    step("Load File... " + toUtf8(name));
    press(ui::kLoadFile);
    chooseInFileDialog(programId(), pathOf(name));
    waitUntilIdle("the main window to show " + toUtf8(name),
                  [&] { return field(ui::kFilePath) == pathOf(name); });
    expectMainFields(pathOf(name), expectedSize);
}

HWND MurkvaleScenario::waitForPasswordDialog(const std::wstring& prompt) const {
    return waitForWindow(programId(), "the password dialog asking \"" + toUtf8(prompt) + "\"",
                         [&](HWND window) {
                             return dialogWith(L"Password", ui::kPassword)(window) &&
                                    textOf(GetDlgItem(window, ui::kPrompt)) == prompt;
                         });
}

void MurkvaleScenario::answerPassword(const std::wstring& prompt, const std::wstring& password,
                                      bool withEnter) {
    const HWND dialog = waitForPasswordDialog(prompt);
    const HWND edit = GetDlgItem(dialog, ui::kPassword);
    typeInto(edit, password);
    if (withEnter) {
        pressKey(edit, VK_RETURN);
    } else {
        clickButton(dialog, IDOK);
    }
    waitUntilGone(dialog, "the password dialog");
}

MessageBoxSeen MurkvaleScenario::expectMessage(const std::wstring& text,
                                               const std::wstring& caption) const {
    const MessageBoxSeen box =
        waitForMessageBox(programId(), "the message \"" + toUtf8(text) + "\"");
    EXPECT_EQ(toUtf8(box.caption), toUtf8(caption)) << describe(box);
    EXPECT_EQ(toUtf8(box.text), toUtf8(text)) << describe(box);
    EXPECT_EQ(box.icon, BoxIcon::None) << describe(box);
    return box;
}

bool MurkvaleScenario::idleAtMainWindow() const {
    const auto windows = visibleWindowsOf(programId());
    return windows.size() == 1 && windows[0] == main_ && IsWindowEnabled(main_) &&
           field(ui::kStatus) == L"Free";
}

void MurkvaleScenario::saveScreenshot(HWND window, const std::string& name) const {
    // Give the window a moment to finish painting after it appeared.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(300);
    e2e::saveScreenshot(window, toUtf8(driverSettings().screenshots) + "\\" + name + ".bmp");
}

void MurkvaleScenario::expectCentredOn(HWND window, const RECT& area,
                                       const std::string& what) const {
    RECT frame{};
    GetWindowRect(window, &frame);
    // Two pixels of slack for the rounding of odd differences.
    EXPECT_NEAR(frame.left + frame.right, area.left + area.right, 2)
        << what << " is not centred horizontally, at step: " << step_;
    EXPECT_NEAR(frame.top + frame.bottom, area.top + area.bottom, 2)
        << what << " is not centred vertically, at step: " << step_;
}

}  // namespace murkvale::e2e
