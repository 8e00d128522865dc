#pragma once
// The About box: name and version, rights line, the picture, web address, OK.
#include <QDialog>

namespace murkvale {

class AboutDialog : public QDialog {
    Q_OBJECT

  public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace murkvale
