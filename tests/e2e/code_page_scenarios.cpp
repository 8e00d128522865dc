// Murkvale.exe in a Russian and a Japanese locale: Wine gives them the ANSI
// code pages 1251 and 932, in which the program digests a typed password, so
// it seals the bytes that murkvale-gui seals in the same locale
// (tests/data/code-page) and opens them.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/e2e/file_dialog.h"
#include "tests/e2e/murkvale_scenario.h"
#include "tests/e2e/murkvale_ui.h"
#include "tests/e2e/wine_path.h"
#include "text/wide_text_win32.h"

namespace murkvale::e2e {
namespace {

std::string dataFile(const std::string& name) {
    const std::wstring path = windowsPathOf(toWide(MURKVALE_TEST_DATA_DIR "/" + name));
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One CTest entry per row runs it in its locale (LC_ALL), which Wine reads
// when a program starts from Linux; rows are named after the locale.
struct CodePageCase {
    const char* name;
    const char* locale;
    const wchar_t* password;
    const char* sealed;  // in tests/data
};

const CodePageCase kCases[] = {
    {"ru_RU", "ru_RU.UTF-8", L"секрет", "code-page/cp1251_every-byte.vae"},
    {"ja_JP", "ja_JP.UTF-8", L"パスワード", "code-page/cp932_every-byte.vae"},
};

class CodePage : public MurkvaleScenario, public testing::WithParamInterface<CodePageCase> {};

TEST_P(CodePage, SealsAndOpensAsTheLinuxWindowDoes) {
    const CodePageCase& c = GetParam();
    const char* locale = std::getenv("LC_ALL");
    ASSERT_STREQ(locale ? locale : "", c.locale) << "run by its own CTest entry";
    const std::string plain = dataFile("every-byte.plain");
    const std::string sealed = dataFile(c.sealed);
    ASSERT_EQ(plain.size(), 256u);
    ASSERT_EQ(sealed.size(), 258u);
    writeFile(L"plain.bin", plain);
    writeFile(L"linux.vae", sealed);

    loadFile(L"plain.bin", L"256");
    step("Encrypt... with the non-ASCII password typed twice");
    press(ui::kEncrypt);
    answerPassword(L"Please enter a password:", c.password);
    answerPassword(L"Please retype password:", c.password);
    chooseInFileDialog(programId(), pathOf(L"windows.vae"));
    waitUntilIdle("the sealed file", [&] { return fileExists(L"windows.vae"); });
    EXPECT_EQ(readFile(L"windows.vae"), sealed) << "the bytes murkvale-gui seals";

    step("Decrypt... the file murkvale-gui sealed, with the same password");
    press(ui::kDecrypt);
    chooseInFileDialog(programId(), pathOf(L"linux.vae"));
    answerPassword(L"Please enter password:", c.password);
    chooseInFileDialog(programId(), pathOf(L"restored.bin"));
    waitUntilIdle("the restored file", [&] { return fileExists(L"restored.bin"); });
    EXPECT_EQ(readFile(L"restored.bin"), plain);
}

std::string caseName(const testing::TestParamInfo<CodePageCase>& row) { return row.param.name; }

INSTANTIATE_TEST_SUITE_P(Locales, CodePage, testing::ValuesIn(kCases), caseName);

}  // namespace
}  // namespace murkvale::e2e
