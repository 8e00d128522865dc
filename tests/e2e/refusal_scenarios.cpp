#include <string>

#include "tests/e2e/control_input.h"
#include "tests/e2e/file_dialog.h"
#include "tests/e2e/murkvale_scenario.h"
#include "tests/e2e/murkvale_ui.h"
#include "tests/e2e/window_search.h"
#include "text/wide_text_win32.h"

namespace murkvale::e2e {
namespace {

const std::string kPlainText = "plain text, never sealed\n";

class Refusal : public MurkvaleScenario {
  protected:
    // Seals the loaded file through the window under `password`.
    void encryptLoadedAs(const std::wstring& password, const std::wstring& sealedName) {
        step("Encrypt... the loaded file as " + toUtf8(sealedName));
        press(ui::kEncrypt);
        answerPassword(L"Please enter a password:", password);
        answerPassword(L"Please retype password:", password);
        chooseInFileDialog(programId(), pathOf(sealedName));
        waitUntilIdle("the sealed file", [&] { return fileExists(sealedName); });
    }

    // The save dialog asks before replacing an existing file; say yes.
    void confirmReplacing(const std::wstring& name) {
        const MessageBoxSeen prompt =
            waitForMessageBox(programId(), "the question whether to replace " + toUtf8(name));
        answerMessageBox(prompt, IDYES);
    }
};

TEST_F(Refusal, EncryptBeforeLoadingAsksForNoPassword) {
    step("Encrypt... with no file loaded");
    press(ui::kEncrypt);
    const MessageBoxSeen box = expectMessage(L"You must load a file first!", L"Encryption error");
    saveScreenshot(box.window, "message-box");
    answerMessageBox(box);
    waitUntilIdle("the main window", [] { return true; });
    expectMainFields(L"", L"0");
}

TEST_F(Refusal, MismatchedRetypeWritesNothing) {
    writeFile(L"notes.txt", kPlainText);
    loadFile(L"notes.txt", std::to_wstring(kPlainText.size()));

    step("Encrypt... with a retype that differs only in case");
    press(ui::kEncrypt);
    answerPassword(L"Please enter a password:", L"Harbour");
    answerPassword(L"Please retype password:", L"harbour");
    answerMessageBox(expectMessage(L"Password mismatch!", L"Error"));
    waitUntilIdle("the main window", [] { return true; });
    EXPECT_EQ(folderContents(), std::vector<std::wstring>{L"notes.txt"});
    expectMainFields(pathOf(L"notes.txt"), std::to_wstring(kPlainText.size()));
}

TEST_F(Refusal, PlainFileIsNotAVaelFile) {
    writeFile(L"plain.vae", kPlainText);

    step("Decrypt... a file that was never sealed");
    press(ui::kDecrypt);
    chooseInFileDialog(programId(), pathOf(L"plain.vae"));
    answerMessageBox(expectMessage(L"Not a valid Vael", L"Decryption error"));
    waitUntilIdle("the main window", [] { return true; });
    EXPECT_EQ(folderContents(), std::vector<std::wstring>{L"plain.vae"});
    expectMainFields(L"", L"0");
}

TEST_F(Refusal, WrongPasswordOpensNothing) {
    writeFile(L"notes.txt", kPlainText);
    loadFile(L"notes.txt", std::to_wstring(kPlainText.size()));
    encryptLoadedAs(L"Lantern", L"notes.vae");

    step("Decrypt... with the wrong password");
    press(ui::kDecrypt);
    chooseInFileDialog(programId(), pathOf(L"notes.vae"));
    answerPassword(L"Please enter password:", L"Lanterns");
    answerMessageBox(expectMessage(L"Password mismatch!", L"Decryption error"));
    waitUntilIdle("the main window", [] { return true; });
    EXPECT_EQ(folderContents().size(), 2u) << "only notes.txt and notes.vae";
    expectMainFields(pathOf(L"notes.txt"), std::to_wstring(kPlainText.size()));
}

TEST_F(Refusal, EncryptIntoTheLoadedFileItselfKeepsIt) {
    writeFile(L"notes.txt", kPlainText);
    loadFile(L"notes.txt", std::to_wstring(kPlainText.size()));

    step("Encrypt... choosing the loaded file as the output");
    press(ui::kEncrypt);
    answerPassword(L"Please enter a password:", L"Lantern");
    answerPassword(L"Please retype password:", L"Lantern");
    chooseInFileDialog(programId(), pathOf(L"notes.txt"));
    confirmReplacing(L"notes.txt");
    const MessageBoxSeen box = waitForMessageBox(programId(), "the refusal");
    EXPECT_EQ(toUtf8(box.caption), "Encryption error") << describe(box);
    EXPECT_NE(box.text.find(L"notes.txt"), std::wstring::npos)
        << "the refusal names the file, " << describe(box);
    answerMessageBox(box);

    step("the input is unchanged and nothing else was written");
    waitUntilIdle("the main window", [] { return true; });
    EXPECT_EQ(readFile(L"notes.txt"), kPlainText);
    EXPECT_EQ(folderContents(), std::vector<std::wstring>{L"notes.txt"});
}

TEST_F(Refusal, DecryptIntoTheSealedFileItselfKeepsIt) {
    writeFile(L"notes.txt", kPlainText);
    loadFile(L"notes.txt", std::to_wstring(kPlainText.size()));
    encryptLoadedAs(L"Lantern", L"notes.vae");
    const std::string sealed = readFile(L"notes.vae");

    step("Decrypt... choosing the sealed file as the output");
    press(ui::kDecrypt);
    chooseInFileDialog(programId(), pathOf(L"notes.vae"));
    answerPassword(L"Please enter password:", L"Lantern");
    chooseInFileDialog(programId(), pathOf(L"notes.vae"));
    confirmReplacing(L"notes.vae");
    const MessageBoxSeen box = waitForMessageBox(programId(), "the refusal");
    EXPECT_EQ(toUtf8(box.caption), "Decryption error") << describe(box);
    EXPECT_NE(box.text.find(L"notes.vae"), std::wstring::npos)
        << "the refusal names the file, " << describe(box);
    answerMessageBox(box);

    step("the sealed file is unchanged and the loaded file is still the current one");
    waitUntilIdle("the main window", [] { return true; });
    EXPECT_EQ(readFile(L"notes.vae"), sealed);
    EXPECT_EQ(folderContents().size(), 2u) << "only notes.txt and notes.vae";
    expectMainFields(pathOf(L"notes.txt"), std::to_wstring(kPlainText.size()));
}

TEST_F(Refusal, FileThatCannotBeOpenedIsReportedAndTheWindowStays) {
    writeFile(L"notes.txt", kPlainText);
    loadFile(L"notes.txt", std::to_wstring(kPlainText.size()));

    step("Load File... a file that does not exist");
    press(ui::kLoadFile);
    chooseInFileDialog(programId(), pathOf(L"missing.txt"));
    const MessageBoxSeen box = waitForMessageBox(programId(), "the report of the missing file");
    EXPECT_EQ(toUtf8(box.caption), "Murkvale") << describe(box);
    EXPECT_EQ(toUtf8(box.text), toUtf8(pathOf(L"missing.txt")) + " was not found.")
        << describe(box);
    EXPECT_EQ(box.icon, BoxIcon::Stop) << describe(box);
    saveScreenshot(box.window, "file-error-box");
    answerMessageBox(box);

    step("the window stays open, still shows the previous file, and still works");
    waitUntilIdle("the main window", [] { return true; });
    expectMainFields(pathOf(L"notes.txt"), std::to_wstring(kPlainText.size()));
    writeFile(L"other.txt", "other");
    loadFile(L"other.txt", L"5");
}

}  // namespace
}  // namespace murkvale::e2e

namespace murkvale::e2e {
namespace {

using Cancelling = MurkvaleScenario;

TEST_F(Cancelling, AnyDialogStopsTheCommandAndWritesNothing) {
    writeFile(L"notes.txt", kPlainText);
    const auto size = std::to_wstring(kPlainText.size());

    step("Load File..., then Cancel in the open dialog");
    press(ui::kLoadFile);
    cancelFileDialog(programId());
    waitUntilIdle("the main window", [] { return true; });
    expectMainFields(L"", L"0");

    loadFile(L"notes.txt", size);

    step("Encrypt..., then Escape in the password dialog");
    press(ui::kEncrypt);
    pressKey(GetDlgItem(waitForPasswordDialog(L"Please enter a password:"), ui::kPassword),
             VK_ESCAPE);
    waitUntilIdle("the main window", [] { return true; });

    step("Encrypt..., then Cancel when retyping: the empty retype does not match");
    press(ui::kEncrypt);
    answerPassword(L"Please enter a password:", L"Lantern");
    clickButton(waitForPasswordDialog(L"Please retype password:"), IDCANCEL);
    answerMessageBox(expectMessage(L"Password mismatch!", L"Error"));
    waitUntilIdle("the main window", [] { return true; });

    step("Encrypt..., then Cancel in the save dialog");
    press(ui::kEncrypt);
    answerPassword(L"Please enter a password:", L"Lantern");
    answerPassword(L"Please retype password:", L"Lantern");
    cancelFileDialog(programId());
    waitUntilIdle("the main window", [] { return true; });

    step("Decrypt..., then Cancel in the open dialog");
    press(ui::kDecrypt);
    cancelFileDialog(programId());
    waitUntilIdle("the main window", [] { return true; });

    step("nothing was written and the loaded file is still the current one");
    EXPECT_EQ(folderContents(), std::vector<std::wstring>{L"notes.txt"});
    expectMainFields(pathOf(L"notes.txt"), size);
}

}  // namespace
}  // namespace murkvale::e2e
