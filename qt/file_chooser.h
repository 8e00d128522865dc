#pragma once
// The open and save dialogs the commands ask for, as Qt file dialogs.
#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>

#include "commands/window_services.h"

class QWidget;

namespace murkvale {

// "Vael Encrypted Files (*.vae)|*.vae|All Files (*.*)|*.*||" as Qt's name
// filters. "*.*" becomes "*": on Linux it would hide files without a dot.
QStringList qtNameFilters(const std::string& filter);

// Runs the dialog over `parent`; the full path chosen, or nothing on cancel.
std::optional<std::filesystem::path> runFileDialog(QWidget* parent,
                                                   const FileDialogRequest& request);

}  // namespace murkvale
