#pragma once
// What the commands need from the window. The Windows main window implements
// it over Win32; tests implement it with a scripted host.
#include <cstdint>
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

    // Shows the password dialog with `prompt`, and `password` as the field's
    // initial text. On OK stores the typed bytes (ANSI code page) into
    // `password` and returns true; on cancel leaves it unchanged.
    virtual bool promptPassword(const std::string& prompt, std::string& password) = 0;

    // A plain message box: OK button, no icon. Texts are UTF-8.
    virtual void messageBox(const std::string& text, const std::string& caption) = 0;

    // Opens the file for reading, sharing nothing, and returns its length.
    // Throws FileError when it cannot be opened.
    virtual std::uint64_t fileLength(const std::filesystem::path& path) = 0;

    virtual void refresh() = 0;  // copies the file state into the window's fields
    virtual void repaint() = 0;  // paints the whole window now
    virtual void setProgressRange(int low, int high) = 0;
    virtual void setProgressPosition(int position) = 0;
};

}  // namespace murkvale
