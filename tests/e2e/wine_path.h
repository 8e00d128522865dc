#pragma once
#include <string>

namespace murkvale::e2e {

// "/work/a b/x.txt" -> "Z:\work\a b\x.txt": Wine maps drive Z: to the Unix root.
// Paths that already carry a drive letter are only given backslashes.
std::wstring windowsPathOf(std::wstring path);

}  // namespace murkvale::e2e
