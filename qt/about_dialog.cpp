#include "qt/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "res/window_words.h"

namespace murkvale {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral(MURKVALE_WORD_ABOUT_CAPTION));

    auto* version = new QLabel(QStringLiteral(MURKVALE_WORD_ABOUT_VERSION));
    version->setTextFormat(Qt::PlainText);
    auto* rights = new QLabel(QStringLiteral(MURKVALE_WORD_ABOUT_RIGHTS));
    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("aboutPicture"));
    picture->setPixmap(QPixmap(QStringLiteral(":/murkvale/about.bmp")));
    auto* web = new QLabel(QStringLiteral(MURKVALE_WORD_ABOUT_WEB));

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok =
        buttons->addButton(QStringLiteral(MURKVALE_WORD_OK), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &AboutDialog::accept);

    auto* layout = new QVBoxLayout(this);
    for (QLabel* line : {version, rights, picture, web}) {
        line->setAlignment(Qt::AlignCenter);
        layout->addWidget(line);
    }
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace murkvale
