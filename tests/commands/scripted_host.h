#pragma once
// A window for tests: answers each dialog from a script and records every call
// in order, as text, with the test folder written as "$".
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "commands/file_state.h"
#include "commands/window_services.h"

namespace murkvale {

struct Answer {
    enum class To { FileDialog, PasswordPrompt };
    To to;
    std::optional<std::string> value;  // a name in the test folder or a password; none: Cancel
};

inline Answer pick(std::string name) { return {Answer::To::FileDialog, std::move(name)}; }
inline Answer type(std::string password) {
    return {Answer::To::PasswordPrompt, std::move(password)};
}
inline const Answer kCancelFile{Answer::To::FileDialog, std::nullopt};
inline const Answer kCancelPrompt{Answer::To::PasswordPrompt, std::nullopt};

class ScriptedHost : public WindowServices {
  public:
    ScriptedHost(std::filesystem::path folder, const FileState& state, std::deque<Answer> script)
        : folder_(std::move(folder)), state_(state), script_(std::move(script)) {}

    std::optional<std::filesystem::path> chooseFile(const FileDialogRequest& request) override;
    bool promptPassword(const std::string& prompt, std::string& password) override;
    void messageBox(const std::string& text, const std::string& caption) override;
    void refresh() override;
    void repaint() override;
    void setProgressRange(int low, int high) override;
    void setProgressPosition(int position) override;
    // Not recorded: it comes after every block.
    void keepAlive() override {
        if (duringRun) duringRun();
    }
    void runEnded() override { note("ended"); }

    // What the user does whenever the window gets to look at its queue during a run.
    std::function<void()> duringRun;

    void note(std::string call) { calls_.push_back(std::move(call)); }
    const std::vector<std::string>& calls() const { return calls_; }
    std::size_t unusedAnswers() const { return script_.size(); }
    // A path or text with the test folder replaced by "$" and '/' as separator.
    std::string shown(const std::string& text) const;
    std::string shown(const std::filesystem::path& path) const { return shown(path.u8string()); }

  private:
    std::optional<std::string> next(Answer::To to, const std::string& call);

    std::filesystem::path folder_;
    const FileState& state_;
    std::deque<Answer> script_;
    std::vector<std::string> calls_;
};

}  // namespace murkvale
