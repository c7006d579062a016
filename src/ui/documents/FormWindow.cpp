#include "FormWindow.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "FormImage.h"
#include "Surface.h"
#include "app/MainWindow.h"
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
  main_.holdZoom(true);
  MsgButton b = main_.messages().show(saveFormQuestion(form_.formName));
  main_.holdZoom(false);
  if (b == kCancel) return;
  if (b == kYes) main_.saveForm(form_, false);
  // Closing only hides the document: it stays in memory with its file name and controls, and in
  // its project.
  hide();
  main_.formHidden(form_);
}

void FormWindow::mousePressEvent(QMouseEvent* e) {
  main_.formActivated(form_);
  QMdiSubWindow::mousePressEvent(e);
}

}  // namespace tw::ui
