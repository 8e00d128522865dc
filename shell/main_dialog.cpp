#include "shell/main_dialog.h"

#include "res/resource.h"
#include "shell/about_box.h"
#include "shell/data_exchange.h"
#include "shell/file_dialog.h"
#include "shell/password_prompt.h"
#include "shell/win_app.h"
#include "text/code_page.h"
#include "text/password_rules.h"
#include "text/wide_text_win32.h"

namespace murkvale {

namespace {
constexpr int kStatusMaxChars = 20;
}  // namespace

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

}  // namespace murkvale
