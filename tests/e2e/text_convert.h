#pragma once
#include <string>

namespace murkvale::e2e {

std::string toUtf8(const std::wstring& text);
std::wstring fromUtf8(const std::string& text);

// "/work/a b/x.txt" -> "Z:\work\a b\x.txt": Wine maps drive Z: to the Unix root.
// Paths that already carry a drive letter are only given backslashes.
std::wstring windowsPathOf(std::wstring path);

}  // namespace murkvale::e2e
