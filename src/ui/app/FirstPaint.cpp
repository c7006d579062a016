#include "FirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace tw::ui {
namespace {

// Waits for the window's first expose; the call queued there runs once that expose has been
// painted and flushed.
class FirstExpose : public QObject {
 public:
  FirstExpose(QWindow* window, std::function<void()> then) : QObject(window), then_(std::move(then)) {
    window->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, watched, std::move(then_));
      deleteLater();
    }
    return false;
  }

 private:
  std::function<void()> then_;
};

}  // namespace

void afterFirstPaint(QWidget& shown, std::function<void()> then) {
  if (QWindow* window = shown.windowHandle(); window && !window->isExposed())
    new FirstExpose(window, std::move(then));
  else
    QTimer::singleShot(0, &shown, std::move(then));
}

}  // namespace tw::ui
