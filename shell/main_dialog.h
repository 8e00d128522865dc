#pragma once
// The main window: shows the file state, runs the three commands and files
// dropped on it, and gives them the window's services (file dialogs, password
// prompt, messages, progress, staying alive during a run).
#include <windows.h>
// shellapi.h builds on the types of windows.h.
#include <shellapi.h>

#include <exception>

#include "commands/file_commands.h"
#include "commands/file_state.h"
#include "commands/window_services.h"
#include "shell/dialog.h"
#include "shell/progress_ctrl.h"

namespace murkvale {

class CMainDialog : public CDialog, public WindowServices {
  public:
    explicit CMainDialog(CDialog* parent = nullptr);
    ~CMainDialog() override;

    std::optional<std::filesystem::path> chooseFile(const FileDialogRequest& request) override;
    bool promptPassword(const std::string& prompt, std::string& password) override;
    void messageBox(const std::string& text, const std::string& caption) override;
    void refresh() override;
    void repaint() override;
    void setProgressRange(int low, int high) override;
    void setProgressPosition(int position) override;
    // Looks at the queue (see pumpWhileBusy); cancels the run once the window
    // has been asked to close.
    void keepAlive() override;
    void runEnded() override;

  protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    bool OnSysCommand(UINT id, LPARAM lParam);
    bool OnPaint();
    HICON OnQueryDragIcon() const { return m_icon; }
    void OnDecrypt();
    void OnEncrypt();
    void OnLoadFile();
    void OnDropFiles(HDROP drop);
    // A button or Escape while a command runs: only a close is remembered.
    void OnCommandWhileBusy(int id);
    template <typename Command>
    void runCommand(Command&& command);

    CProgressCtrl m_progress;
    FileState m_state;  // m_filePath, m_fileSize, m_status
    HICON m_icon;
    FileCommands m_commands;
    bool m_closeRequested = false;  // during a command; the window closes when it ends
};

// How the framework shows a failure that leaves one of the main window's
// handlers: a file that could not be opened gets the framework's file report.
void reportCommandFailure(HWND owner, const std::exception* failure);

}  // namespace murkvale
