#include "qt/main_window.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <vector>

#include "qt/about_dialog.h"
#include "qt/file_chooser.h"
#include "qt/framework_boxes.h"
#include "qt/password_dialog.h"
#include "qt/path_text.h"
#include "qt/resources.h"
#include "res/window_words.h"
#include "text/code_page.h"

namespace murkvale {
namespace {

// A field the program writes and the user only reads (and may select).
QLineEdit* readOnlyField(const char* name) {
    auto* field = new QLineEdit;
    field->setObjectName(QLatin1String(name));
    field->setReadOnly(true);
    field->setFrame(false);
    field->setFocusPolicy(Qt::NoFocus);
    // Files dropped on it go to the window.
    field->setAcceptDrops(false);
    return field;
}

QPushButton* commandButton(const char* text, const char* name) {
    auto* button = new QPushButton(QString::fromUtf8(text));
    button->setObjectName(QLatin1String(name));
    return button;
}

}  // namespace

MainWindow::MainWindow(std::chrono::milliseconds keepAliveEvery)
    : commands_(state_, *this, keepAliveEvery),
      filePath_(readOnlyField("filePath")),
      fileSize_(readOnlyField("fileSize")),
      status_(readOnlyField("status")),
      progress_(new QProgressBar) {
    loadWindowResources();
    setWindowTitle(QStringLiteral(MURKVALE_WORD_MAIN_CAPTION));
    // A main window of its own with a taskbar entry, not a transient dialog.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setAcceptDrops(true);
    qApp->installEventFilter(&inputBlocker_);

    auto* menus = new QMenuBar;
    QMenu* help = menus->addMenu(QStringLiteral("&Help"));
    QAction* about = help->addAction(QStringLiteral(MURKVALE_WORD_ABOUT_ENTRY));
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);

    auto* fileInfo = new QGroupBox(QStringLiteral(MURKVALE_WORD_FILE_INFO));
    auto* info = new QGridLayout(fileInfo);
    info->addWidget(new QLabel(QStringLiteral(MURKVALE_WORD_FILE)), 0, 0);
    info->addWidget(filePath_, 0, 1, 1, 2);
    info->addWidget(new QLabel(QStringLiteral(MURKVALE_WORD_FILE_SIZE)), 1, 0);
    fileSize_->setMinimumWidth(
        fileSize_->fontMetrics().horizontalAdvance(QStringLiteral("18446744073709551615")));
    info->addWidget(fileSize_, 1, 1);
    info->addWidget(new QLabel(QStringLiteral(MURKVALE_WORD_BYTES)), 1, 2);
    info->setColumnStretch(2, 1);

    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(new QLabel(QStringLiteral(MURKVALE_WORD_STATUS)));
    statusRow->addWidget(status_, 1);

    // The bar of the Windows window: 0 to 100, no percentage written on it.
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);

    QPushButton* load = commandButton(MURKVALE_WORD_LOAD_FILE, "loadFile");
    QPushButton* encrypt = commandButton(MURKVALE_WORD_ENCRYPT, "encrypt");
    QPushButton* decrypt = commandButton(MURKVALE_WORD_DECRYPT, "decrypt");
    QPushButton* quit = commandButton(MURKVALE_WORD_QUIT, "quit");
    quit->setDefault(true);
    // Enter with the focus on no other button ends the program, as on Windows.
    quit->setFocus();
    connect(load, &QPushButton::clicked, this,
            [this] { runCommand([this] { commands_.OnLoadFile(); }); });
    connect(encrypt, &QPushButton::clicked, this,
            [this] { runCommand([this] { commands_.OnEncrypt(); }); });
    connect(decrypt, &QPushButton::clicked, this,
            [this] { runCommand([this] { commands_.OnDecrypt(); }); });
    connect(quit, &QPushButton::clicked, this, [this] {
        if (!commands_.busy()) accept();
    });
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {load, encrypt, decrypt, quit}) buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addWidget(fileInfo);
    layout->addLayout(statusRow);
    layout->addWidget(progress_);
    layout->addLayout(buttons);

    refresh();
    const int width = fontMetrics().averageCharWidth() * 70;
    resize(width, sizeHint().height());
}

MainWindow::~MainWindow() = default;

// A failure that leaves a command is reported here, so it never unwinds
// through Qt, and the window stays open. A close asked for while a command
// ran ends the window once the outermost command has ended.
template <typename Command>
void MainWindow::runCommand(Command&& command) {
    try {
        command();
    } catch (const std::exception& failure) {
        reportCommandFailure(this, &failure);
    } catch (...) {
        reportCommandFailure(this, nullptr);
    }
    if (closeRequested_ && !commands_.busy()) {
        closeRequested_ = false;
        QDialog::reject();
    }
}

void MainWindow::startWith(const std::filesystem::path& file) {
    runCommand([&] { commands_.OnStartWith(file); });
}

void MainWindow::showAbout() {
    if (commands_.busy()) return;
    AboutDialog about(this);
    about.exec();
}

void MainWindow::reject() {
    // Escape, the close box and the window manager's close: during a command
    // only remembered, so the run ends cleanly first.
    if (commands_.busy()) {
        closeRequested_ = true;
        return;
    }
    QDialog::reject();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    std::vector<std::filesystem::path> paths;
    const QList<QUrl> urls = event->mimeData()->urls();
    for (const QUrl& url : urls) {
        // Only local files can be loaded; anything else is no single file.
        if (!url.isLocalFile()) {
            paths.clear();
            break;
        }
        paths.push_back(textPath(url.toLocalFile()));
    }
    event->acceptProposedAction();
    // After the drop has ended, so the program it came from is not kept
    // waiting while our boxes are up.
    QTimer::singleShot(0, this,
                       [this, paths] { runCommand([&] { commands_.OnDropFiles(paths); }); });
}

std::optional<std::filesystem::path> MainWindow::chooseFile(const FileDialogRequest& request) {
    return runFileDialog(this, request);
}

bool MainWindow::promptPassword(const std::string& prompt, std::string& password) {
    PasswordDialog dialog(QString::fromStdString(prompt), userCodePage(), this);
    if (dialog.exec() != QDialog::Accepted) return false;
    password = dialog.passwordBytes();
    return true;
}

void MainWindow::messageBox(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Ok, this);
    box.exec();
}

void MainWindow::refresh() {
    filePath_->setText(pathText(state_.m_filePath));
    filePath_->setCursorPosition(0);
    fileSize_->setText(QString::number(state_.m_fileSize));
    status_->setText(QString::fromStdString(state_.m_status));
}

void MainWindow::repaint() { QWidget::repaint(); }

void MainWindow::setProgressRange(int low, int high) { progress_->setRange(low, high); }

void MainWindow::setProgressPosition(int position) { progress_->setValue(position); }

void MainWindow::keepAlive() {
    inputBlocker_.setActive(true);
    // Input waits in Qt's queue; runEnded drops it.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (closeRequested_) throw RunCancelled{};
}

void MainWindow::runEnded() {
    // Everything given during the run, the last stretch included, reaches
    // the blocker now and is dropped.
    inputBlocker_.setActive(true);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    inputBlocker_.setActive(false);
}

}  // namespace murkvale
