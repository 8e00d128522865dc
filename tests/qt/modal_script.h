#pragma once
// Answers the modal dialogs a flow opens, in the order they open, as a person
// would: types into the real fields and presses the real buttons. Every
// dialog seen is recorded as one line ("caption | text | ..."); a dialog the
// script has no step for is recorded as well and cancelled, so a flow that
// goes wrong ends instead of hanging.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

class QWidget;

namespace murkvale {

using ModalStep = std::function<void(QWidget* modal)>;

// The steps. Each presses its button once the step has returned, so that a
// box the press opens is answered by the next step.
ModalStep typePassword(const QString& password);
ModalStep chooseFile(const QString& path);
ModalStep pressOk();
// The Yes of a question box, such as the save dialog's replace question.
ModalStep pressYes();
ModalStep cancel();
// Runs `look` on the dialog first, then `step`.
ModalStep looking(std::function<void(QWidget*)> look, ModalStep step);

class ModalScript : public QObject {
  public:
    explicit ModalScript(std::deque<ModalStep> steps);
    ~ModalScript() override;

    const QStringList& seen() const { return seen_; }
    bool done() const { return steps_.empty(); }

  private:
    void poll();

    std::deque<ModalStep> steps_;
    QStringList seen_;
    QTimer timer_;
    QPointer<QWidget> last_;  // answered, and still the active one
};

// Types `text` into `field` one character at a time, as a keyboard of any
// language would (QTest::keyClicks takes Latin-1 only).
void typeText(QWidget* field, const QString& text);

// The line a dialog is recorded as.
QString describeModal(QWidget* modal);

}  // namespace murkvale
