#pragma once
// "Bitmap Editor": a bitmap's picture drawn pixel by pixel on a grid of 10 x 10 cells.
#include <QDialog>
#include <functional>
#include <string>

#include "model/BitmapGrid.h"

class QPushButton;

namespace tw {
class Messages;
}

namespace tw::ui {

// The cells, 10 x 10 pixels with a 1-pixel line right of and below each.
class BitGrid : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kCell = 10, kPitch = 11;
  explicit BitGrid(QWidget* parent);
  void setBits(BitmapGrid* bits);
  QPoint currentCell() const { return current_; }
  // The cell under a point of the widget, or (-1, -1).
  QPoint cellAt(QPoint p) const;
  // The centre of a cell, for the mouse.
  static QPoint cellCentre(int col, int row) { return {col * kPitch + kCell / 2, row * kPitch + kCell / 2}; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;

 private:
  BitmapGrid* bits_ = nullptr;
  QPoint current_{-1, -1};
};

class BitmapEditor : public QDialog {
  Q_OBJECT
 public:
  BitmapEditor(QWidget* parent, Messages& messages, std::function<void(int)> help);
  // Edits a picture of width x height pixels; on OK, stringBits holds the new text (D x H
  // lower-case digits) and true is returned. Cancel leaves it as it was.
  bool edit(std::string& stringBits, int width, int height);
  const BitmapGrid& bits() const { return bits_; }

  BitGrid* stgBits;
  QWidget* panBotones;
  QPushButton* butOk;
  QPushButton* butCancel;
  QPushButton* butCrear;  // "Clear"

 protected:
  bool event(QEvent*) override;

 private:
  void clearAsked();  // butCrearClick

  Messages& messages_;
  std::function<void(int)> help_;
  BitmapGrid bits_{0, 0};
};

}  // namespace tw::ui
