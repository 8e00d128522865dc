#include "modal_script.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest/QTest>

#include "qt/password_dialog.h"

namespace murkvale {
namespace {

void later(QWidget* target, std::function<void(QWidget*)> action) {
    QPointer<QWidget> guard(target);
    QTimer::singleShot(0, [guard, action] {
        if (guard) action(guard);
    });
}

QPushButton* buttonWithRole(QWidget* dialog, QDialogButtonBox::ButtonRole role) {
    const auto boxes = dialog->findChildren<QDialogButtonBox*>();
    for (QDialogButtonBox* box : boxes) {
        for (QAbstractButton* button : box->buttons()) {
            if (box->buttonRole(button) == role) return qobject_cast<QPushButton*>(button);
        }
    }
    return nullptr;
}

}  // namespace

ModalStep typePassword(const QString& password) {
    return [password](QWidget* modal) {
        auto* field = modal->findChild<QLineEdit*>();
        typeText(field, password);
        later(field, [](QWidget* target) { QTest::keyClick(target, Qt::Key_Return); });
    };
}

ModalStep chooseFile(const QString& path) {
    return [path](QWidget* modal) {
        auto* name = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setText(path);
        later(modal, [](QWidget* dialog) {
            QTest::mouseClick(buttonWithRole(dialog, QDialogButtonBox::AcceptRole), Qt::LeftButton);
        });
    };
}

ModalStep pressOk() {
    return [](QWidget* modal) {
        later(modal, [](QWidget* dialog) {
            QPushButton* ok = nullptr;
            if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
                ok = qobject_cast<QPushButton*>(box->button(QMessageBox::Ok));
            } else {
                ok = buttonWithRole(dialog, QDialogButtonBox::AcceptRole);
            }
            QTest::mouseClick(ok, Qt::LeftButton);
        });
    };
}

// Set on a file dialog whose replace question was answered Yes: it closes
// as soon as the question does, so its moment as the active dialog again
// asks nothing and must not take the next step.
const char* const kClosing = "murkvaleClosing";

ModalStep pressYes() {
    return [](QWidget* modal) {
        later(modal, [](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            if (auto* files = qobject_cast<QFileDialog*>(box->parentWidget())) {
                files->setProperty(kClosing, true);
            }
            QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
        });
    };
}

void typeText(QWidget* field, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(field, &release);
    }
}

ModalStep cancel() {
    return [](QWidget* modal) {
        later(modal, [](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    };
}

ModalStep looking(std::function<void(QWidget*)> look, ModalStep step) {
    return [look, step](QWidget* modal) {
        look(modal);
        step(modal);
    };
}

QString describeModal(QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        QString icon;
        switch (box->icon()) {
            case QMessageBox::Critical:
                icon = QStringLiteral(" [stop]");
                break;
            case QMessageBox::Warning:
                icon = QStringLiteral(" [warning]");
                break;
            default:
                break;
        }
        return box->windowTitle() + icon + QStringLiteral(" | ") + box->text();
    }
    if (auto* files = qobject_cast<QFileDialog*>(modal)) {
        return files->windowTitle() + QStringLiteral(" | ") +
               files->nameFilters().join(QStringLiteral(";;")) + QStringLiteral(" | ") +
               files->defaultSuffix();
    }
    if (qobject_cast<PasswordDialog*>(modal)) {
        return modal->windowTitle() + QStringLiteral(" | ") + modal->findChild<QLabel*>()->text();
    }
    return modal->windowTitle();
}

ModalScript::ModalScript(std::deque<ModalStep> steps) : steps_(std::move(steps)) {
    connect(&timer_, &QTimer::timeout, this, &ModalScript::poll);
    timer_.start(5);
}

ModalScript::~ModalScript() = default;

void ModalScript::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    // A dialog becomes active again when a box over it closes: it is
    // recorded and answered again.
    if (!modal || !modal->isVisible() || modal == last_ || modal->property(kClosing).toBool()) {
        return;
    }
    last_ = modal;
    seen_ << describeModal(modal);
    if (steps_.empty()) {
        seen_ << QStringLiteral("(unexpected, cancelled)");
        later(modal, [](QWidget* dialog) {
            if (auto* asDialog = qobject_cast<QDialog*>(dialog)) asDialog->reject();
        });
        return;
    }
    ModalStep step = std::move(steps_.front());
    steps_.pop_front();
    step(modal);
}

}  // namespace murkvale
