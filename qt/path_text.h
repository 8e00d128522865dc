#pragma once
// File names between Qt's text and the engine's paths. Linux names are bytes;
// Qt decodes them as the locale does, and this is the one place that converts.
#include <QString>
#include <filesystem>

namespace murkvale {

QString pathText(const std::filesystem::path& path);
std::filesystem::path textPath(const QString& text);

}  // namespace murkvale
