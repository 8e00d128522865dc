#include "qt/password_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "cipher/wipe.h"
#include "qt/framework_boxes.h"
#include "res/window_words.h"
#include "text/password_rules.h"
#include "text/window_texts.h"

namespace murkvale {

PasswordDialog::PasswordDialog(const QString& prompt, unsigned codePage, QWidget* parent)
    : QDialog(parent), codePage_(codePage), prompt_(new QLabel(prompt)), password_(new QLineEdit) {
    setWindowTitle(QStringLiteral(MURKVALE_WORD_PASSWORD_CAPTION));
    // Like the Windows dialog, no close box: OK or Cancel (Escape) end it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    prompt_->setAlignment(Qt::AlignCenter);
    password_->setEchoMode(QLineEdit::Password);
    // Characters; OK counts the code page's bytes.
    password_->setMaxLength(static_cast<int>(kMaxPasswordBytes));
    password_->setMinimumWidth(password_->fontMetrics().averageCharWidth() * 24);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral(MURKVALE_WORD_OK), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral(MURKVALE_WORD_CANCEL), QDialogButtonBox::RejectRole);
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &PasswordDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PasswordDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(password_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    password_->setFocus();
}

PasswordDialog::~PasswordDialog() { wipe(bytes_); }

void PasswordDialog::accept() {
    QByteArray typed = password_->text().toUtf8();
    PasswordBytes prepared = preparePassword(typed.toStdString(), codePage_);
    typed.fill('\0');
    switch (prepared.refusal) {
        case PasswordRefusal::TooLong:
            refuse(maxCharsText(static_cast<int>(kMaxPasswordBytes)));
            return;
        case PasswordRefusal::NotInCodePage:
            refuse(kCodePageOnlyText);
            return;
        case PasswordRefusal::None:
            break;
    }
    bytes_ = prepared.bytes;
    password_->clear();
    QDialog::accept();
}

// As a failed length check does: say why, then back to the field with its
// whole text selected.
void PasswordDialog::refuse(const std::string& text) {
    showValidationBox(this, text);
    password_->setFocus();
    password_->selectAll();
}

}  // namespace murkvale
