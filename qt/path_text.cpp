#include "qt/path_text.h"

#include <QByteArray>
#include <QFile>

namespace murkvale {

QString pathText(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

std::filesystem::path textPath(const QString& text) {
    return std::filesystem::path(QFile::encodeName(text).toStdString());
}

}  // namespace murkvale
