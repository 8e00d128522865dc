// The main window in this process, given real dropped-file handles: an HDROP
// belongs to the process it was made in, so another program cannot drop one.
#include <gtest/gtest.h>
#include <windows.h>
// These build on the types of windows.h; shlobj.h has DROPFILES.
#include <shellapi.h>
#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "res/resource.h"
#include "shell/framework_messages.h"
#include "shell/main_dialog.h"
#include "shell/win_app.h"
#include "tests/shell/shown_boxes.h"

namespace murkvale {
namespace {

namespace fs = std::filesystem;

class TestApp : public CWinApp {
  public:
    BOOL InitInstance() override { return FALSE; }
};
TestApp testApp;

// What Explorer hands over: a DROPFILES header, then the wide paths, each
// ending in a NUL, and one more NUL at the end.
HDROP dropOf(const std::vector<std::wstring>& paths) {
    std::size_t chars = 1;
    for (const auto& path : paths) chars += path.size() + 1;
    const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    auto* next = reinterpret_cast<wchar_t*>(header + 1);
    for (const auto& path : paths) {
        path.copy(next, path.size());
        next += path.size() + 1;
    }
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

constexpr UINT kDrop = WM_APP + 1;
// Posted after the drop, so it comes once the window has handled it.
constexpr UINT kLook = WM_APP + 2;

// The main window, dropped on once it opens, then closed.
class DropTarget : public CMainDialog {
  public:
    explicit DropTarget(std::vector<std::wstring> paths) : paths_(std::move(paths)) {}

    bool acceptsFiles = false;
    std::wstring fileShown, sizeShown;

  protected:
    BOOL OnInitDialog() override {
        const BOOL result = CMainDialog::OnInitDialog();
        PostMessageW(m_hWnd, kDrop, 0, 0);
        return result;
    }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message == kDrop) {
            acceptsFiles = (GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
            PostMessageW(m_hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(dropOf(paths_)), 0);
            PostMessageW(m_hWnd, kLook, 0, 0);
            return true;
        }
        if (message == kLook) {
            fileShown = textOf(IDC_FILE);
            sizeShown = textOf(IDC_SIZE);
            EndDialog(IDOK);
            return true;
        }
        return CMainDialog::OnMessage(message, wParam, lParam, result);
    }

  private:
    std::wstring textOf(int id) const {
        wchar_t text[1024] = {};
        GetDlgItemTextW(m_hWnd, id, text, 1024);
        return text;
    }

    std::vector<std::wstring> paths_;
};

struct DropRow {
    const char* name;
    std::vector<std::wstring> dropped;  // names in the test folder
    std::wstring fileShown;             // a name in the test folder; empty: nothing loaded
    std::wstring sizeShown;
    std::vector<ShownBox> boxes;  // "$" in a text stands for the test folder
};

void PrintTo(const DropRow& row, std::ostream* out) { *out << row.name; }

const std::wstring kWideName = L"Отчёт 報告.txt";
const ShownBox kSingleFileOnly{L"Error", L"Please drop a single file.", false};

const DropRow kDropRows[] = {
    {"OneFileWithAWideName", {kWideName}, kWideName, L"6", {}},
    {"TwoFiles", {kWideName, L"b.txt"}, L"", L"0", {kSingleFileOnly}},
    {"AFolder", {L"folder"}, L"", L"0", {kSingleFileOnly}},
    // The framework's own report, as for a file Load File... cannot open.
    {"AFileThatCannotBeOpened",
     {L"missing.txt"},
     L"",
     L"0",
     {{L"Murkvale", L"$\\missing.txt was not found.", true}}},
};

class DroppedFiles : public testing::TestWithParam<DropRow> {
  protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() / ("murkvale-drop-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_ / "folder");
        std::ofstream(folder_ / kWideName, std::ios::binary) << "abcdef";
        std::ofstream(folder_ / "b.txt", std::ios::binary) << "xyz";
        setHandlerFailureReporter(reportCommandFailure);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    std::wstring inFolder(const std::wstring& text) const {
        std::wstring result = text;
        const auto at = result.find(L'$');
        if (at != std::wstring::npos) result.replace(at, 1, folder_.wstring());
        return result;
    }

    fs::path folder_;
    BoxRecorder boxes_;
};

TEST_P(DroppedFiles, DoWhatLoadFileDoesOrSaySo) {
    const DropRow& row = GetParam();
    std::vector<std::wstring> paths;
    for (const auto& name : row.dropped) paths.push_back((folder_ / name).wstring());

    DropTarget window(paths);
    ASSERT_EQ(window.DoModal(), IDOK) << "the main window's template is missing";

    EXPECT_TRUE(window.acceptsFiles) << "Explorer drops only on windows that accept files";
    EXPECT_EQ(window.fileShown, row.fileShown.empty() ? L"" : (folder_ / row.fileShown).wstring());
    EXPECT_EQ(window.sizeShown, row.sizeShown);
    std::vector<ShownBox> expected = row.boxes;
    for (auto& box : expected) box.text = inFolder(box.text);
    EXPECT_EQ(boxes_.boxes(), expected);
}

INSTANTIATE_TEST_SUITE_P(Drops, DroppedFiles, testing::ValuesIn(kDropRows),
                         [](const testing::TestParamInfo<DropRow>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
}  // namespace murkvale
