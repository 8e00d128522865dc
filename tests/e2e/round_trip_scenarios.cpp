#include <string>

#include "tests/e2e/control_input.h"
#include "tests/e2e/file_dialog.h"
#include "tests/e2e/murkvale_scenario.h"
#include "tests/e2e/murkvale_ui.h"
#include "tests/e2e/window_search.h"
#include "text/wide_text_win32.h"

namespace murkvale::e2e {
namespace {

// Every byte value, an odd length (the first byte is left out of the pairing).
std::string sampleContent() {
    std::string bytes;
    for (int i = 0; i < 1001; ++i) bytes.push_back(static_cast<char>((i * 37 + 11) % 256));
    return bytes;
}

const std::wstring kTypedPassword = L"Lantern-Harbour-1234";  // 20 characters

using RoundTrip = MurkvaleScenario;

TEST_F(RoundTrip, SealsAndOpensAFileWithANonLatinName) {
    const std::wstring original = L"Отчёт 報告.txt";
    const std::wstring sealed = L"Отчёт 報告 sealed.vae";
    const std::wstring restored = L"Отчёт 報告 restored.txt";
    writeFile(original, sampleContent());

    step("the main window opens empty and idle");
    expectMainFields(L"", L"0");
    RECT workArea{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    expectCentredOn(mainWindow(), workArea, "the main window");
    saveScreenshot(mainWindow(), "main-window");

    loadFile(original, L"1001");
    saveScreenshot(mainWindow(), "main-window-loaded");

    step("Encrypt...: the password twice, the save name typed without extension");
    press(ui::kEncrypt);
    const HWND prompt = waitForPasswordDialog(L"Please enter a password:");
    saveScreenshot(prompt, "password-dialog");
    RECT mainFrame{};
    GetWindowRect(mainWindow(), &mainFrame);
    expectCentredOn(prompt, mainFrame, "the password dialog");
    // The field takes 16 characters; the rest of what is typed is dropped.
    answerPassword(L"Please enter a password:", kTypedPassword);
    answerPassword(L"Please retype password:", kTypedPassword, /*withEnter=*/true);
    chooseInFileDialog(programId(), pathOf(L"Отчёт 報告 sealed"));

    step("a .vae file appears, two bytes longer, and the window still shows the original");
    waitUntilIdle("the sealed file", [&] { return fileExists(sealed); });
    const std::string sealedBytes = readFile(sealed);
    ASSERT_EQ(sealedBytes.size(), 1003u);
    EXPECT_EQ(sealedBytes[0], '\x01');
    EXPECT_EQ(readFile(original), sampleContent()) << "the original must stay untouched";
    expectMainFields(pathOf(original), L"1001");

    step("Decrypt...: the sealed file, its password, a new name");
    press(ui::kDecrypt);
    chooseInFileDialog(programId(), pathOf(sealed));
    answerPassword(L"Please enter password:", kTypedPassword.substr(0, 16));
    chooseInFileDialog(programId(), pathOf(restored));

    step("the restored file equals the original and becomes the current file");
    waitUntilIdle("the restored file",
                  [&] { return field(ui::kFilePath) == pathOf(restored) && fileExists(restored); });
    EXPECT_EQ(readFile(restored), sampleContent());
    expectMainFields(pathOf(restored), L"1001");
}

}  // namespace
}  // namespace murkvale::e2e
