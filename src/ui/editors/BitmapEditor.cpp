#include "BitmapEditor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/UiHooks.h"
#include "model/Messages.h"

namespace tw::ui {

BitGrid::BitGrid(QWidget* parent) : QWidget(parent) {
  setObjectName("stgBits");
  setMouseTracking(false);
}

void BitGrid::setBits(BitmapGrid* bits) {
  bits_ = bits;
  current_ = {-1, -1};
  setFixedSize(bits ? bits->width() * kPitch : 0, bits ? bits->height() * kPitch : 0);
  update();
}

QPoint BitGrid::cellAt(QPoint p) const {
  if (!bits_ || p.x() < 0 || p.y() < 0) return {-1, -1};
  const int col = p.x() / kPitch, row = p.y() / kPitch;
  if (!bits_->contains(col, row)) return {-1, -1};
  return {col, row};
}

void BitGrid::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::gray);  // the 1-pixel lines between the cells
  if (!bits_) return;
  for (int r = 0; r < bits_->height(); ++r)
    for (int c = 0; c < bits_->width(); ++c)
      p.fillRect(c * kPitch, r * kPitch, kCell, kCell, bits_->at(c, r) ? Qt::black : Qt::white);
}

void BitGrid::mousePressEvent(QMouseEvent* e) {
  // Any button inverts the cell pressed, which becomes the current one.
  const QPoint cell = cellAt(e->position().toPoint());
  if (cell.x() < 0) return;
  current_ = cell;
  bits_->invert(cell.x(), cell.y());
  update();
}

void BitGrid::mouseMoveEvent(QMouseEvent* e) {
  // The left button alone draws black, with Shift white, in each cell the pointer enters. The cell
  // just pressed keeps its inverted colour while the pointer stays in it.
  if (e->buttons() != Qt::LeftButton) return;
  const Qt::KeyboardModifiers mods = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (mods != Qt::NoModifier && mods != Qt::ShiftModifier) return;
  const QPoint cell = cellAt(e->position().toPoint());
  if (cell.x() < 0 || cell == current_) return;
  current_ = cell;
  bits_->set(cell.x(), cell.y(), mods == Qt::NoModifier);
  update();
}

BitmapEditor::BitmapEditor(QWidget* parent, Messages& messages, std::function<void(int)> help)
    : QDialog(parent), messages_(messages), help_(std::move(help)) {
  setObjectName("frmBmpEd");
  setWindowTitle("Bitmap Editor");
  stgBits = new BitGrid(this);
  stgBits->move(0, 0);
  panBotones = new QWidget(this);
  panBotones->setObjectName("panBotones");
  auto* lay = new QVBoxLayout(panBotones);
  lay->setContentsMargins(6, 6, 6, 6);
  butOk = new QPushButton("OK", panBotones);
  butOk->setObjectName("butOk");
  butCancel = new QPushButton("Cancel", panBotones);
  butCancel->setObjectName("butCancel");
  butCrear = new QPushButton("Clear", panBotones);
  butCrear->setObjectName("butCrear");
  for (QPushButton* b : {butOk, butCancel, butCrear}) {
    b->setAutoDefault(false);
    lay->addWidget(b);
  }
  lay->addStretch();
  connect(butOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(butCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(butCrear, &QPushButton::clicked, this, &BitmapEditor::clearAsked);
  setFixedSize(80, 198);
}

bool BitmapEditor::edit(std::string& stringBits, int width, int height) {
  bits_ = BitmapGrid::read(stringBits, width, height);
  stgBits->setBits(&bits_);
  // As wide as the grid and the button column; as high as the grid when that is over 104 pixels.
  const int gridW = stgBits->width(), gridH = stgBits->height();
  const int h = gridH > 104 ? gridH : this->height();
  setFixedSize(gridW + 80, h);
  panBotones->setGeometry(gridW, 0, 80, h);
  const bool ok = exec() == QDialog::Accepted;
  if (ok) stringBits = bits_.write();
  stgBits->setBits(nullptr);
  bits_ = BitmapGrid(0, 0);
  return ok;
}

void BitmapEditor::clearAsked() {
  const MsgButton b = messages_.show(
      {MsgIcon::Warning, "Warning", "This operation erases the bitmap. Are you sure?", kYes | kNo, kYes});
  if (b != kYes) return;
  bits_.clear();
  stgBits->update();
}

bool BitmapEditor::event(QEvent* e) {
  if (e->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(e)->key() == Qt::Key_F1) {
    e->accept();
    return true;
  }
  if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_F1) {
    if (help_) help_(6);
    return true;
  }
  return QDialog::event(e);
}

}  // namespace tw::ui
