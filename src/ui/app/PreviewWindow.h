#pragma once
// Project > Preview: the handheld with the project's first form, answering the pen and the keyboard
// as the device would (core's Preview). It shows copies taken when it opens: the documents stay as
// they are.
#include <QWidget>
#include <memory>

#include "graphics/Canvas.h"

namespace tw {
class Preview;
}

namespace tw::ui {

class MainWindow;

class PreviewWindow : public QWidget {
  Q_OBJECT
 public:
  explicit PreviewWindow(MainWindow& main);
  ~PreviewWindow() override;

  // Takes fresh copies of the visible forms and starts on the first form.
  void start();
  Preview& preview() { return *preview_; }
  // Screen pixels per handheld pixel.
  int scale() const { return scale_; }
  void setScale(int scale);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void wheelEvent(QWheelEvent*) override;

 private:
  QPoint handheld(const QPointF& p) const;
  void refresh();

  MainWindow& main_;
  std::unique_ptr<Preview> preview_;
  Canvas picture_;
  int scale_ = 1;
};

}  // namespace tw::ui
