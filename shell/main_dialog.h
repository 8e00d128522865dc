#pragma once
// The main window: shows the file state, runs the three commands and gives
// them the window's services (file dialogs, password prompt, messages, progress).
#include <windows.h>

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

  protected:
    void DoDataExchange(CDataExchange& dx) override;
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    bool OnSysCommand(UINT id, LPARAM lParam);
    bool OnPaint();
    HICON OnQueryDragIcon() const { return m_icon; }
    void OnDecrypt() { m_commands.OnDecrypt(); }
    void OnEncrypt() { m_commands.OnEncrypt(); }
    void OnLoadFile() { m_commands.OnLoadFile(); }

    CProgressCtrl m_progress;
    FileState m_state;  // m_filePath, m_fileSize, m_status
    HICON m_icon;
    FileCommands m_commands;
};

}  // namespace murkvale
