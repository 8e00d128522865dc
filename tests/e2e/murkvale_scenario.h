#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/message_box.h"
#include "tests/e2e/program_process.h"

namespace murkvale::e2e {

// A scenario runs its own copy of Murkvale.exe in a fresh scratch folder and
// drives it step by step. When a step fails, the scenario names the step,
// lists the program's windows, saves a picture of the screen and kills the
// program.
class MurkvaleScenario : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Names the step about to run; printed as it runs and again on failure.
    void step(const std::string& description);

    // Scratch files of this scenario.
    std::wstring pathOf(const std::wstring& name) const;
    void writeFile(const std::wstring& name, const std::string& bytes) const;
    std::string readFile(const std::wstring& name) const;
    bool fileExists(const std::wstring& name) const;
    std::vector<std::wstring> folderContents() const;

    DWORD programId() const { return program_->id(); }
    HWND mainWindow() const { return main_; }
    bool programRunning() const { return program_->running(); }
    bool programEndsWithin(milliseconds limit) const { return program_->waitForExit(limit); }
    DWORD programExitCode() const { return program_->exitCode(); }

    std::wstring field(int id) const;
    // The main window's File, File size and Status fields, the status idle.
    void expectMainFields(const std::wstring& path, const std::wstring& size) const;
    void press(int buttonId) const;

    // Load File... through the open dialog; waits until the window shows the file.
    void loadFile(const std::wstring& name, const std::wstring& expectedSize);
    // Waits for the password dialog with `prompt`, types `password` and
    // confirms with the OK button, or with Enter when `withEnter`.
    void answerPassword(const std::wstring& prompt, const std::wstring& password,
                        bool withEnter = false);
    HWND waitForPasswordDialog(const std::wstring& prompt) const;
    // Waits for a plain message box and checks its texts; returns it still open.
    MessageBoxSeen expectMessage(const std::wstring& text, const std::wstring& caption) const;
    // Waits until the program is back at its main window: no other window,
    // status "Free", and `done` holds.
    template <class Done>
    void waitUntilIdle(const std::string& what, Done done) const {
        pollUntil(what, [&]() -> std::optional<bool> {
            if (!programRunning()) {
                throw std::runtime_error("Murkvale.exe ended while waiting for " + what);
            }
            if (idleAtMainWindow() && done()) return true;
            return std::nullopt;
        });
    }
    void saveScreenshot(HWND window, const std::string& name) const;
    // Dialogs open centred: the main window on the work area, the others over
    // the main window.
    void expectCentredOn(HWND window, const RECT& area, const std::string& what) const;

  private:
    bool idleAtMainWindow() const;

    std::unique_ptr<ProgramProcess> program_;
    HWND main_ = nullptr;
    std::wstring folder_;
    std::string step_ = "start";
};

}  // namespace murkvale::e2e
