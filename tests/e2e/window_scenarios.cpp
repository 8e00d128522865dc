#include <string>

#include "tests/e2e/control_input.h"
#include "tests/e2e/murkvale_scenario.h"
#include "tests/e2e/murkvale_ui.h"
#include "tests/e2e/window_search.h"
#include "text/wide_text_win32.h"

namespace murkvale::e2e {
namespace {

bool hasChildWithText(HWND parent, const std::wstring& text) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (textOf(child) == text) return true;
    }
    return false;
}

using AboutBox = MurkvaleScenario;

TEST_F(AboutBox, OpensFromTheSystemMenuAndClosesWithOk) {
    writeFile(L"notes.txt", "12345");
    loadFile(L"notes.txt", L"5");

    // Every command id from 0x10 to 0x1F opens the box: the low four bits are ignored.
    for (const unsigned command : {ui::kAboutCommand, ui::kAboutCommand + 0xFu}) {
        step("system menu command " + std::to_string(command) + " opens the About box");
        PostMessageW(mainWindow(), WM_SYSCOMMAND, command, 0);
        const HWND about =
            waitForWindow(programId(), "the About box", dialogWith(L"About Murkvale", IDOK));
        EXPECT_FALSE(IsWindowEnabled(mainWindow())) << "the About box is modal";
        EXPECT_TRUE(hasChildWithText(about, L"Murkvale Version 1.0"))
            << describeWindowsOf(programId());
        RECT mainFrame{};
        GetWindowRect(mainWindow(), &mainFrame);
        expectCentredOn(about, mainFrame, "the About box");
        if (command == ui::kAboutCommand) saveScreenshot(about, "about-box");

        step("OK closes the About box and the window is as it was");
        clickButton(about, IDOK);
        waitUntilGone(about, "the About box");
        waitUntilIdle("the main window", [] { return true; });
        expectMainFields(pathOf(L"notes.txt"), L"5");
    }
}

// Each way a person closes the main window ends the program.
struct Closing {
    const char* name;
    void (*close)(HWND mainWindow);
};

const Closing kClosings[] = {
    {"QuitButton", [](HWND main) { clickButton(main, ui::kQuit); }},
    {"EnterKey", [](HWND main) { pressKey(main, VK_RETURN); }},  // Quit is the default button
    {"EscapeKey", [](HWND main) { pressKey(main, VK_ESCAPE); }},
    {"CloseBox", [](HWND main) { PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"CloseMessage", [](HWND main) { PostMessageW(main, WM_CLOSE, 0, 0); }},
};

class EndingTheProgram : public MurkvaleScenario, public testing::WithParamInterface<Closing> {};

TEST_P(EndingTheProgram, EndsTheProcess) {
    step(std::string("close the main window by ") + GetParam().name);
    GetParam().close(mainWindow());
    EXPECT_TRUE(programEndsWithin(milliseconds{10000})) << "Murkvale.exe is still running";
}

INSTANTIATE_TEST_SUITE_P(Ways, EndingTheProgram, testing::ValuesIn(kClosings),
                         [](const testing::TestParamInfo<Closing>& way) {
                             return std::string(way.param.name);
                         });

}  // namespace
}  // namespace murkvale::e2e
