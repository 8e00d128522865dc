#include "tests/commands/scripted_host.h"

#include <gtest/gtest.h>

namespace murkvale {

std::string ScriptedHost::shown(const std::string& text) const {
    std::string result = text;
    const std::string folder = folder_.u8string();
    for (auto at = result.find(folder); at != std::string::npos; at = result.find(folder, at + 1)) {
        result.replace(at, folder.size(), "$");
    }
#ifdef _WIN32
    for (char& c : result) {
        if (c == '\\') c = '/';
    }
#endif
    return result;
}

std::optional<std::string> ScriptedHost::next(Answer::To to, const std::string& call) {
    calls_.push_back(call);
    if (script_.empty()) {
        ADD_FAILURE() << "the script has no answer for " << call;
        return std::nullopt;
    }
    const Answer answer = script_.front();
    script_.pop_front();
    if (answer.to != to) {
        ADD_FAILURE() << "the script's next answer is for another dialog than " << call;
        return std::nullopt;
    }
    return answer.value;
}

std::optional<std::filesystem::path> ScriptedHost::chooseFile(const FileDialogRequest& request) {
    const std::string call = std::string("chooseFile(") +
                             (request.kind == FileDialogKind::Open ? "Open" : "Save") + ", \"" +
                             request.filter + "\", \"" + request.defaultExtension + "\", " +
                             std::to_string(request.flags) + ")";
    const auto name = next(Answer::To::FileDialog, call);
    if (!name) return std::nullopt;
    return folder_ / std::filesystem::u8path(*name);
}

bool ScriptedHost::promptPassword(const std::string& prompt, std::string& password) {
    const auto typed =
        next(Answer::To::PasswordPrompt, "prompt(\"" + prompt + "\", \"" + password + "\")");
    if (!typed) return false;
    password = *typed;
    return true;
}

void ScriptedHost::messageBox(const std::string& text, const std::string& caption) {
    note("message(\"" + shown(text) + "\", \"" + caption + "\")");
}

void ScriptedHost::refresh() {
    note("refresh(" + state_.m_status + ", " + shown(state_.m_filePath) + ", " +
         std::to_string(state_.m_fileSize) + ")");
}

void ScriptedHost::repaint() { note("repaint"); }

void ScriptedHost::setProgressRange(int low, int high) {
    note("range(" + std::to_string(low) + "," + std::to_string(high) + ")");
}

void ScriptedHost::setProgressPosition(int position) {
    note("pos(" + std::to_string(position) + ")");
}

}  // namespace murkvale
