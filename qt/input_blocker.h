#pragma once
// Drops the user's clicks, keys, wheel turns and drops while a run goes on,
// so that nothing given to the window meanwhile starts afterwards.
#include <QObject>

namespace murkvale {

class InputBlocker : public QObject {
  public:
    explicit InputBlocker(QObject* parent = nullptr) : QObject(parent) {}
    void setActive(bool active) { active_ = active; }
    bool active() const { return active_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool active_ = false;
};

}  // namespace murkvale
