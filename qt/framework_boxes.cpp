#include "qt/framework_boxes.h"

#include <QMessageBox>

#include "commands/failure_text.h"
#include "files/engine_error.h"
#include "res/window_words.h"
#include "text/window_texts.h"

namespace murkvale {
namespace {

void showBox(QWidget* owner, QMessageBox::Icon icon, const std::string& text) {
    QMessageBox box(icon, QStringLiteral(MURKVALE_WORD_MAIN_CAPTION), QString::fromStdString(text),
                    QMessageBox::Ok, owner);
    box.exec();
}

}  // namespace

void showValidationBox(QWidget* owner, const std::string& text) {
    showBox(owner, QMessageBox::Warning, text);
}

void reportCommandFailure(QWidget* owner, const std::exception* failure) {
    const auto* engine = dynamic_cast<const EngineError*>(failure);
    if (engine && engine->kind() == FailureKind::CannotOpen) {
        showBox(owner, QMessageBox::Critical, cannotOpenReport(*engine));
        return;
    }
    std::string text = kUnexpectedErrorText;
    if (failure && *failure->what()) text += std::string("\n\n") + failure->what();
    showBox(owner, QMessageBox::Critical, text);
}

}  // namespace murkvale
