#include "qt/file_chooser.h"

#include <QFileDialog>

#include "qt/path_text.h"

namespace murkvale {
namespace {

QString linuxPatterns(QString patterns) {
    patterns.replace(QStringLiteral("*.*"), QStringLiteral("*"));
    return patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
}

}  // namespace

QStringList qtNameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) break;  // the "||" that ends the list
        QString name = parts[i];
        const qsizetype shown = name.lastIndexOf(QStringLiteral(" ("));
        if (shown >= 0 && name.endsWith(QLatin1Char(')'))) name.truncate(shown);
        filters << name + QStringLiteral(" (") + linuxPatterns(parts[i + 1]) + QLatin1Char(')');
    }
    return filters;
}

std::optional<std::filesystem::path> runFileDialog(QWidget* parent,
                                                   const FileDialogRequest& request) {
    const bool open = request.kind == FileDialogKind::Open;
    QFileDialog dialog(parent, open ? QStringLiteral("Open") : QStringLiteral("Save As"));
    // Qt's own dialog on every desktop: it appends the default extension
    // before it asks about replacing, which not every desktop's dialog does.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    // As on Windows, a typed name need not exist: Load File... then reports it.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(qtNameFilters(request.filter));
    if (!request.defaultExtension.empty()) {
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    }
    dialog.setOption(QFileDialog::DontConfirmOverwrite, (request.flags & kOfnOverwritePrompt) == 0);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    return textPath(chosen.front());
}

}  // namespace murkvale
