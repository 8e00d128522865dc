#pragma once

namespace murkvale::e2e {

// Control ids of the program's dialogs, as a person meets them on screen.
namespace ui {
inline constexpr int kQuit = 1;
inline constexpr int kDecrypt = 1001;
inline constexpr int kFilePath = 1002;
inline constexpr int kEncrypt = 1004;
inline constexpr int kFileSize = 1007;
inline constexpr int kLoadFile = 1008;
inline constexpr int kPrompt = 1012;
inline constexpr int kPassword = 1013;
inline constexpr int kStatus = 1014;
inline constexpr int kProgress = 1015;
inline constexpr unsigned kAboutCommand = 0x0010;
}  // namespace ui

}  // namespace murkvale::e2e
