#include "FormWindow.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "FormImage.h"
#include "app/MainWindow.h"
#include "graphics/Fonts.h"
#include "model/FormDocument.h"
#include "model/Shell.h"
#include "ptoolbox/PTDialog.h"

namespace tw::ui {
namespace {

bool contains(const Control& c, int x, int y) {
  return x >= c.left() && y >= c.top() && x < c.left() + c.width() && y < c.top() + c.height();
}

// The front-most shown control of a container under (x, y) of that container, or nullptr.
Control* controlAt(const Control& container, int x, int y) {
  const auto& kids = container.children();
  for (auto it = kids.rbegin(); it != kids.rend(); ++it)
    if ((*it)->visible && contains(**it, x, y)) return it->get();
  return nullptr;
}

}  // namespace

FormView::FormView(MainWindow& main, FormDocument& form) : main_(main), form_(form) {
  setFixedSize(kFormClientWidth, kFormClientHeight);
  setObjectName("imgPalm");
}

QSize FormView::sizeHint() const { return {kFormClientWidth, kFormClientHeight}; }

QImage FormView::picture() const { return formImage(form_); }

void FormView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // One device-independent pixel per handheld pixel; on a dense screen each becomes a block, never a blur.
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  QImage img = picture();
  p.drawImage(QRect(0, 0, img.width(), img.height()), img);
}

// The control under a point of the screen: a control of the shown dialog, the dialog itself, or a
// control of the screen; nullptr on the screen's background.
static Control* hitTest(FormDocument& form, int x, int y) {
  Control* hit = controlAt(form.screen(), x, y);
  if (hit && hit == form.shownDialog)
    if (Control* inner = controlAt(*hit, x - hit->left(), y - hit->top())) return inner;
  return hit;
}

void FormView::mousePressEvent(QMouseEvent* e) {
  main_.formActivated(form_);
  int x = int(e->position().x()) - kScreenLeft, y = int(e->position().y()) - kScreenTop;
  bool onScreen = x >= 0 && y >= 0 && x < form_.screen().width() && y < form_.screen().height();
  if (!onScreen || main_.designer().tool != Tool::None) return;
  Designer& d = main_.designer();
  Control* hit = hitTest(form_, x, y);
  if (hit && hit != form_.shownDialog)
    d.pressControl(form_, *hit, e->button() == Qt::RightButton,
                   e->button() == Qt::LeftButton && (e->modifiers() & Qt::ShiftModifier));
  else if (!hit)
    d.pressScreen(form_);
  main_.changed();
}

void FormView::mouseReleaseEvent(QMouseEvent* e) {
  int x = int(e->position().x()) - kScreenLeft, y = int(e->position().y()) - kScreenTop;
  if (x < 0 || y < 0 || x >= form_.screen().width() || y >= form_.screen().height()) return;
  Control* hit = hitTest(form_, x, y);
  if (hit && hit != form_.shownDialog) {
    // The control took the press.
    main_.designer().releaseControl(form_, *hit, e->button() == Qt::RightButton, handheldFonts());
    main_.changed();
    return;
  }
  if (e->button() != Qt::LeftButton) return;
  // On the screen, or on the shown dialog, which then receives the new control.
  if (hit)
    main_.place(form_, x - hit->left(), y - hit->top(), hit);
  else
    main_.place(form_, x, y, &form_.screen());
}

FormWindow::FormWindow(MainWindow& main, FormDocument& form) : main_(main), form_(form) {
  setObjectName("ChildFrm");
  setAttribute(Qt::WA_DeleteOnClose, false);
  setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  view_ = new FormView(main, form);
  setWidget(view_);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  refresh();
}

void FormWindow::refresh() {
  setWindowTitle(QString::fromUtf8(formCaption(form_).c_str()));
  view_->update();
}

void FormWindow::closeEvent(QCloseEvent* e) {
  e->ignore();
  main_.holdZoom(true);
  MsgButton b = main_.messages().show(saveFormQuestion(form_.formName));
  main_.holdZoom(false);
  if (b == kCancel) return;
  if (b == kYes) main_.saveForm(form_, false);
  // Closing only hides the document: it stays in memory with its file name and controls.
  form_.visible = false;
  hide();
}

void FormWindow::mousePressEvent(QMouseEvent* e) {
  main_.formActivated(form_);
  QMdiSubWindow::mousePressEvent(e);
}

}  // namespace tw::ui
