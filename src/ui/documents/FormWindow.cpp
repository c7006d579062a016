#include "FormWindow.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "FormImage.h"
#include "Surface.h"
#include "app/MainWindow.h"
#include "model/DiskState.h"
#include "model/FormDocument.h"
#include "model/Shell.h"

namespace tw::ui {

FormView::FormView(MainWindow& main, FormDocument& form, int scale) : main_(main), form_(form) {
  setScale(scale);
  setObjectName("imgPalm");
  // The movers follow the pointer without a button held (edges and cursors); a click gives the focus
  // that the Delete key needs.
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
}

QSize FormView::sizeHint() const { return pixels_.toWidget(QRect(0, 0, kFormClientWidth, kFormClientHeight)).size(); }

void FormView::setScale(int scale) {
  pixels_.scale = scale;
  setFixedSize(sizeHint());
  update();
}

QImage FormView::picture() const { return formImage(form_); }

void FormView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // A whole number of device-independent pixels per handheld pixel, and a whole number of device
  // pixels to each of those on a dense screen: every handheld pixel is a sharp square block.
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  QImage img = picture();
  p.drawImage(pixels_.toWidget(img.rect()), img);
}

FormWindow::FormWindow(MainWindow& main, FormDocument& form) : main_(main), form_(form) {
  setObjectName("ChildFrm");
  setAttribute(Qt::WA_DeleteOnClose, false);
  setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  view_ = new FormView(main, form, main.editScale());
  setWidget(view_);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  surface_ = new Surface(main, *this);
  view_->installEventFilter(surface_);
  installEventFilter(surface_);
  refresh();
}

void FormWindow::refresh() {
  setWindowTitle(QString::fromUtf8(formCaption(form_).c_str()));
  view_->update();
}

void FormWindow::setScale(int scale) {
  view_->setScale(scale);
  layout()->activate();
}

void FormWindow::closeEvent(QCloseEvent* e) {
  e->ignore();
  if (hasUnsavedChanges(form_)) {
    main_.holdZoom(true);
    MsgButton b = main_.messages().show(saveFormQuestion(form_.formName));
    main_.holdZoom(false);
    if (b == kCancel) return;
    // A save that was cancelled or failed keeps the window open with its work.
    if (b == kYes && !main_.saveForm(form_, false)) return;
  }
  // Closing only hides the document: it stays in memory with its file name and controls, and in
  // its project.
  hide();
  main_.formHidden(form_);
}

void FormWindow::setProblemRows(std::vector<std::pair<int, int>> rows) {
  if (rows == problemRows_) return;
  problemRows_ = std::move(rows);
  update();
}

void FormWindow::paintEvent(QPaintEvent* e) {
  QMdiSubWindow::paintEvent(e);
  if (problemRows_.empty()) return;
  // A red bar in the frame left of the picture, level with each control that has a problem.
  QPainter p(this);
  const QRect picture(view_->mapTo(this, QPoint(0, 0)), view_->size());
  const double scale = double(picture.height()) / kFormClientHeight;
  const int x = std::max(0, picture.left() - 3), w = std::max(1, picture.left() - x);
  for (const auto& [top, bottom] : problemRows_) {
    const int y0 = picture.top() + int(top * scale), y1 = picture.top() + int(bottom * scale);
    p.fillRect(QRect(x, y0, w, std::max(1, y1 - y0)), QColor(220, 0, 0));
  }
}

void FormWindow::mousePressEvent(QMouseEvent* e) {
  main_.formActivated(form_);
  QMdiSubWindow::mousePressEvent(e);
}

}  // namespace tw::ui
