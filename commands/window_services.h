#pragma once
// What the commands need from the window. The Windows main window implements
// it over Win32; tests implement it with a scripted host.
#include <filesystem>
#include <optional>
#include <string>

namespace murkvale {

enum class FileDialogKind { Open, Save };

// Flags of the file dialogs, with the values the Win32 dialog uses.
inline constexpr unsigned kOfnHideReadOnly = 0x4;
inline constexpr unsigned kOfnOverwritePrompt = 0x2;

struct FileDialogRequest {
    FileDialogKind kind;
    std::string filter;            // "Name (*.x)|*.x|...||"
    std::string defaultExtension;  // empty: none
    unsigned flags = kOfnHideReadOnly | kOfnOverwritePrompt;
};

class WindowServices {
  public:
    virtual ~WindowServices() = default;

    // The full path chosen, or nothing when the dialog was cancelled.
    virtual std::optional<std::filesystem::path> chooseFile(const FileDialogRequest& request) = 0;

    // Shows the password dialog with `prompt` over an empty field. On OK
    // stores the bytes the digest takes (the code page the window digests in)
    // into `password` and returns true; on cancel leaves it unchanged.
    virtual bool promptPassword(const std::string& prompt, std::string& password) = 0;

    // A plain message box: OK button, no icon. Texts are UTF-8.
    virtual void messageBox(const std::string& text, const std::string& caption) = 0;

    virtual void refresh() = 0;  // copies the file state into the window's fields
    virtual void repaint() = 0;  // paints the whole window now
    virtual void setProgressRange(int low, int high) = 0;
    virtual void setProgressPosition(int position) = 0;

    // Called between the blocks of a run, no more than kKeepAliveEvery of
    // work apart: the window answers what keeps it alive and drops the user's
    // clicks and keys. It throws RunCancelled to abandon the run quietly.
    virtual void keepAlive() {}

    // Called once when a run ends, however it ended, before the window goes
    // back to idle: input given during the last stretch of work is dropped
    // here too, so nothing asked for during the run starts afterwards.
    virtual void runEnded() {}
};

// Thrown by keepAlive() to end a run the user no longer wants (the window is
// being closed): the run leaves no output and no temporary file, and the
// command ends without a message.
struct RunCancelled {};

}  // namespace murkvale
