#pragma once
// The main window: shows the file state, runs the three commands, files
// dropped on it and the file it was started with, and gives the commands the
// window's services (file dialogs, password prompt, messages, progress,
// staying alive during a run).
#include <QDialog>
#include <chrono>
#include <filesystem>

#include "commands/file_commands.h"
#include "commands/file_state.h"
#include "commands/window_services.h"
#include "qt/input_blocker.h"

class QLineEdit;
class QProgressBar;
class QPushButton;

namespace murkvale {

// A dialog, as on Windows: Enter presses Quit, Escape closes.
class MainWindow : public QDialog, public WindowServices {
    Q_OBJECT

  public:
    explicit MainWindow(std::chrono::milliseconds keepAliveEvery = kKeepAliveEvery);
    ~MainWindow() override;

    std::optional<std::filesystem::path> chooseFile(const FileDialogRequest& request) override;
    bool promptPassword(const std::string& prompt, std::string& password) override;
    void messageBox(const std::string& text, const std::string& caption) override;
    void refresh() override;
    void repaint() override;
    void setProgressRange(int low, int high) override;
    void setProgressPosition(int position) override;
    // Answers painting, timers and the window manager; the user's input is
    // dropped. Cancels the run once the window has been asked to close.
    void keepAlive() override;
    void runEnded() override;

    void startWith(const std::filesystem::path& file);
    void showAbout();

  protected:
    void reject() override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    template <typename Command>
    void runCommand(Command&& command);

    FileState state_;
    FileCommands commands_;
    InputBlocker inputBlocker_;
    bool closeRequested_ = false;  // during a command; the window closes when it ends

    QLineEdit* filePath_;
    QLineEdit* fileSize_;
    QLineEdit* status_;
    QProgressBar* progress_;
};

}  // namespace murkvale
