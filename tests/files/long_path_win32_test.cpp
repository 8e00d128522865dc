#include "files/long_path_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace murkvale {
namespace {

TEST(Paths, LongPathsGetTheExtendedForm) {
    const std::wstring longTail(300, L'a');
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"C:\\short.txt", L"C:\\short.txt"},
        {L"C:\\" + longTail, L"\\\\?\\C:\\" + longTail},
        {L"C:/dir/" + longTail, L"\\\\?\\C:\\dir\\" + longTail},
        {L"\\\\server\\share\\" + longTail, L"\\\\?\\UNC\\server\\share\\" + longTail},
        {L"\\\\?\\C:\\" + longTail, L"\\\\?\\C:\\" + longTail},
        {L"relative\\" + longTail, L"relative\\" + longTail},
    };
    for (const auto& [path, expected] : cases) {
        EXPECT_EQ(extendedLengthPath(path), expected);
    }
}

}  // namespace
}  // namespace murkvale
