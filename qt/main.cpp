// murkvale-gui: the Linux window over the same commands as Murkvale.exe.
#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "murkvale_version.h"
#include "qt/main_window.h"
#include "qt/resources.h"
#include "qt/start_arguments.h"

namespace {

// Help and the version need no display; anything else is judged once Qt has
// taken its own options (-platform and the like) out of argv.
bool answeredWithoutWindow(const murkvale::StartArguments& start) {
    switch (start.action) {
        case murkvale::StartArguments::Action::Help:
            std::fputs(murkvale::kStartUsage, stdout);
            std::fputs("Opens Murkvale's window; a .vae FILE is decrypted, any other is loaded.\n",
                       stdout);
            return true;
        case murkvale::StartArguments::Action::Version:
            std::printf("murkvale-gui %s\n", MURKVALE_VERSION);
            return true;
        default:
            return false;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (answeredWithoutWindow(
            murkvale::parseStartArguments(std::vector<std::string>(argv + 1, argv + argc)))) {
        return 0;
    }
    QApplication app(argc, argv);  // takes Qt's own options out of argv
    QApplication::setApplicationName(QStringLiteral("murkvale-gui"));
    QApplication::setApplicationVersion(QStringLiteral(MURKVALE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.example.murkvale"));
    murkvale::loadWindowResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/murkvale/murkvale-48.png"));
    icon.addFile(QStringLiteral(":/murkvale/murkvale-256.png"));
    QApplication::setWindowIcon(icon);

    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const murkvale::StartArguments start = murkvale::parseStartArguments(arguments);
    if (start.action == murkvale::StartArguments::Action::Refused) {
        std::fprintf(stderr, "murkvale-gui: %s\n%s", start.refusal.c_str(), murkvale::kStartUsage);
        return 2;
    }

    murkvale::MainWindow window;
    QObject::connect(&window, &QDialog::finished, &app, &QCoreApplication::quit);
    window.show();
    if (start.file) {
        // The window shows full paths, as its file dialogs give them.
        std::error_code unknown;
        std::filesystem::path file = std::filesystem::absolute(*start.file, unknown);
        if (unknown) file = *start.file;
        QTimer::singleShot(0, &window, [&window, file] { window.startWith(file); });
    }
    return app.exec();
}
