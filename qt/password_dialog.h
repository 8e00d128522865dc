#pragma once
// The password dialog: one prompt line over a masked field, OK and Cancel.
// OK refuses a password that is not at most 16 bytes of `codePage`, the form
// in which the Windows program digests it.
#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;

namespace murkvale {

class PasswordDialog : public QDialog {
    Q_OBJECT

  public:
    PasswordDialog(const QString& prompt, unsigned codePage, QWidget* parent = nullptr);
    ~PasswordDialog() override;

    // The digest's bytes of the password accepted with OK; empty otherwise.
    const std::string& passwordBytes() const { return bytes_; }

  protected:
    void accept() override;

  private:
    void refuse(const std::string& text);

    unsigned codePage_;
    QLabel* prompt_;
    QLineEdit* password_;
    std::string bytes_;
};

}  // namespace murkvale
