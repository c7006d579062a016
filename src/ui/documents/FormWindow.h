#pragma once
// A form document's window: core's picture of the form (face, screen, controls) shown at a whole
// number of device-independent pixels per handheld pixel; its design surface turns the mouse into
// core calls.
#include <QImage>
#include <QMdiSubWindow>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

#include "PixelScale.h"

namespace tw {
class FormDocument;
}

namespace tw::ui {

class MainWindow;
class Surface;

// The client area: 167 x 226 handheld pixels, each a square block of the scale's size.
class FormView : public QWidget {
  Q_OBJECT
 public:
  FormView(MainWindow& main, FormDocument& form, int scale);
  QSize sizeHint() const override;
  const PixelScale& pixels() const { return pixels_; }
  void setScale(int scale);  // the view takes the new size at once
  // Core's picture of the form as it is now.
  QImage picture() const;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  MainWindow& main_;
  FormDocument& form_;
  PixelScale pixels_;
};

class FormWindow : public QMdiSubWindow {
  Q_OBJECT
 public:
  FormWindow(MainWindow& main, FormDocument& form);
  FormDocument& form() { return form_; }
  FormView* view() { return view_; }
  // The design surface: the movers, the mouse and keys, the context menu.
  Surface* surface() { return surface_; }
  void refresh();  // caption and picture again
  // Rows of the client area (handheld pixels, top and bottom) that hold controls with problems: marked
  // in the window's frame beside the picture, which stays exact.
  void setProblemRows(std::vector<std::pair<int, int>> rows);
  const std::vector<std::pair<int, int>>& problemRows() const { return problemRows_; }
  // Shows the form at a scale; the window takes its new size at once.
  void setScale(int scale);

 protected:
  void closeEvent(QCloseEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void paintEvent(QPaintEvent*) override;

 private:
  MainWindow& main_;
  FormDocument& form_;
  FormView* view_;
  Surface* surface_;
  std::vector<std::pair<int, int>> problemRows_;
};

}  // namespace tw::ui
