#include "shell/main_dialog.h"

#include <string>
#include <vector>

#include "commands/failure_text.h"
#include "files/engine_error.h"
#include "res/resource.h"
#include "shell/about_box.h"
#include "shell/busy_pump.h"
#include "shell/data_exchange.h"
#include "shell/file_dialog.h"
#include "shell/framework_messages.h"
#include "shell/password_prompt.h"
#include "shell/win_app.h"
#include "text/code_page.h"
#include "text/password_rules.h"
#include "text/wide_text_win32.h"

namespace murkvale {

namespace {

constexpr int kStatusMaxChars = 20;

// The full paths of the files and folders dropped, in the order given.
std::vector<std::filesystem::path> droppedPaths(HDROP drop) {
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    std::vector<std::filesystem::path> paths;
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring name(length + 1, L'\0');
        name.resize(DragQueryFileW(drop, i, name.data(), length + 1));
        paths.emplace_back(name);
    }
    return paths;
}

}  // namespace

void reportCommandFailure(HWND owner, const std::exception* failure) {
    const auto* engine = dynamic_cast<const EngineError*>(failure);
    if (engine && engine->kind() == FailureKind::CannotOpen) {
        showStopMessage(owner, toWide(cannotOpenReport(*engine)));
    } else {
        reportUnexpectedError(owner, failure);
    }
}

CMainDialog::CMainDialog(CDialog* parent)
    : CDialog(IDD_MAIN, parent),
      m_icon(LoadIconW(appInstance(), MAKEINTRESOURCEW(IDR_MAINFRAME))),
      m_commands(m_state, *this) {}

CMainDialog::~CMainDialog() = default;

void CMainDialog::DoDataExchange(CDataExchange& dx) {
    DDX_Control(dx, IDC_PROGRESS, m_progress);
    DDX_Text(dx, IDC_FILE, m_state.m_filePath);
    DDX_Text(dx, IDC_SIZE, m_state.m_fileSize);
    DDX_Text(dx, IDC_STATUS, m_state.m_status);
    DDV_MaxChars(dx, m_state.m_status, kStatusMaxChars);
}

BOOL CMainDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    addAboutEntry(m_hWnd);
    SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
    m_progress.SetStep(1);
    m_progress.SetPos(0);
    DragAcceptFiles(m_hWnd, TRUE);
    return TRUE;
}

bool CMainDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_SYSCOMMAND:
            return OnSysCommand(static_cast<UINT>(wParam), lParam);
        case WM_PAINT:
            return OnPaint();
        case WM_QUERYDRAGICON:
            result = reinterpret_cast<LRESULT>(OnQueryDragIcon());
            return true;
        case WM_COMMAND:
            if (HIWORD(wParam) != BN_CLICKED) return false;
            if (m_commands.busy()) {
                OnCommandWhileBusy(LOWORD(wParam));
                return true;
            }
            switch (LOWORD(wParam)) {
                case IDC_DECRYPT:
                    OnDecrypt();
                    return true;
                case IDC_ENCRYPT:
                    OnEncrypt();
                    return true;
                case IDC_LOADFILE:
                    OnLoadFile();
                    return true;
                default:
                    return false;
            }
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
            return true;
        case WM_HELP:
            // F1 does nothing here: the program carries no help.
            result = TRUE;
            return true;
        default:
            return false;
    }
}

bool CMainDialog::OnSysCommand(UINT id, LPARAM) {
    if (!isAboutCommand(id)) return false;  // Move, Close and the rest: the system's own
    if (m_commands.busy()) return true;
    CAboutBox about;
    about.DoModal();
    return true;
}

bool CMainDialog::OnPaint() {
    if (!IsIconic(m_hWnd)) return false;
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(m_hWnd, &paint);
    SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const int cx = GetSystemMetrics(SM_CXICON);
    const int cy = GetSystemMetrics(SM_CYICON);
    RECT client{};
    GetClientRect(m_hWnd, &client);
    const int x = (client.right - client.left - cx + 1) / 2;
    const int y = (client.bottom - client.top - cy + 1) / 2;
    DrawIcon(dc, x, y, m_icon);
    EndPaint(m_hWnd, &paint);
    return true;
}

// A close asked for while a command ran ends the window once the outermost
// command has ended, however it ended.
template <typename Command>
void CMainDialog::runCommand(Command&& command) {
    struct CloseAfter {
        CMainDialog& window;
        ~CloseAfter() {
            if (window.m_closeRequested && !window.m_commands.busy()) window.EndDialog(IDCANCEL);
        }
    } closeAfter{*this};
    command();
}

void CMainDialog::OnDecrypt() {
    runCommand([this] { m_commands.OnDecrypt(); });
}

void CMainDialog::OnEncrypt() {
    runCommand([this] { m_commands.OnEncrypt(); });
}

void CMainDialog::OnLoadFile() {
    runCommand([this] { m_commands.OnLoadFile(); });
}

void CMainDialog::OnDropFiles(HDROP drop) {
    const auto paths = droppedPaths(drop);
    DragFinish(drop);
    runCommand([&] { m_commands.OnDropFiles(paths); });
}

void CMainDialog::OnCommandWhileBusy(int id) {
    // IDCANCEL comes from the close box, Alt+F4, the system menu and WM_CLOSE
    // (Escape is dropped as input). The buttons, Quit included, do nothing.
    if (id == IDCANCEL) m_closeRequested = true;
}

std::optional<std::filesystem::path> CMainDialog::chooseFile(const FileDialogRequest& request) {
    FileDialogOptions options;
    options.open = request.kind == FileDialogKind::Open;
    options.filter = toWide(request.filter);
    options.defaultExtension = toWide(request.defaultExtension);
    options.flags = request.flags;
    return runFileDialog(m_hWnd, options);
}

bool CMainDialog::promptPassword(const std::string& prompt, std::string& password) {
    CPasswordPrompt dialog;
    dialog.m_prompt = toWide(prompt);
    if (dialog.DoModal() != IDOK) return false;
    // The digest works on the ANSI code page's bytes, as files sealed before
    // the wide build did; the dialog wipes its own copy when it goes.
    const PasswordBytes typed = preparePassword(toUtf8(dialog.m_password), userCodePage());
    // The dialog's checks refused any other password already.
    if (typed.refusal != PasswordRefusal::None) return false;
    password = typed.bytes;
    return true;
}

void CMainDialog::messageBox(const std::string& text, const std::string& caption) {
    MessageBoxW(m_hWnd, toWide(text).c_str(), toWide(caption).c_str(), MB_OK);
}

void CMainDialog::refresh() { UpdateData(FALSE); }

void CMainDialog::repaint() {
    RedrawWindow(m_hWnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CMainDialog::setProgressRange(int low, int high) {
    m_progress.SetRange(static_cast<short>(low), static_cast<short>(high));
}

void CMainDialog::setProgressPosition(int position) { m_progress.SetPos(position); }

void CMainDialog::keepAlive() {
    pumpWhileBusy();
    if (m_closeRequested) throw RunCancelled{};
}

void CMainDialog::runEnded() { pumpWhileBusy(); }

}  // namespace murkvale
