#pragma once
// Boxes the window raises on its own account rather than a command's:
// captioned with the program's name, with the icon that says how bad it is.
#include <exception>
#include <string>

class QWidget;

namespace murkvale {

// A field refused its text: warning icon, OK button.
void showValidationBox(QWidget* owner, const std::string& text);

// A failure that left a command: a file that cannot be opened gets its
// "was not found" kind of report, anything else the unexpected-error box.
// `failure` is null for one that is not a std::exception.
void reportCommandFailure(QWidget* owner, const std::exception* failure);

}  // namespace murkvale
