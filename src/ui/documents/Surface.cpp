#include "Surface.h"

#include <algorithm>

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QRubberBand>
#include <QWheelEvent>
#include <cstdlib>

#include "FormWindow.h"
#include "app/MainWindow.h"
#include "graphics/Fonts.h"
#include "model/FormDocument.h"
#include "model/History.h"
#include "model/PTDialog.h"

namespace tw::ui {
namespace {

Qt::CursorShape shapeFor(SizeCursor c) {
  switch (c) {
    case SizeCursor::SizeWE: return Qt::SizeHorCursor;
    case SizeCursor::SizeNS: return Qt::SizeVerCursor;
    case SizeCursor::SizeNWSE: return Qt::SizeFDiagCursor;
    case SizeCursor::SizeNESW: return Qt::SizeBDiagCursor;
    case SizeCursor::Arrow: break;
  }
  return Qt::ArrowCursor;
}

constexpr Qt::KeyboardModifiers kShiftCtrl = Qt::ShiftModifier | Qt::ControlModifier;
// A shown dialog is moved by its title bar; below it, a drag from its background draws a band.
constexpr int kDialogTitleHeight = 14;

}  // namespace

Surface::Surface(MainWindow& main, FormWindow& window)
    : QObject(&window), main_(main), window_(window), form_(window.form()) {
  setObjectName("snap");
  // Both movers of a form window work pixel by pixel.
  snap.setGridSize(1);
  snapDialog.setGridSize(1);
  snap.window = &form_.screen();
  buildPopMenu();
}

void Surface::buildPopMenu() {
  popMenu_ = new QMenu(&window_);
  popMenu_->setObjectName("popMenu");
  struct Item {
    const char* name;
    const char* text;
    int kind;  // an AlignKind, or -1
  };
  const Item aligns[] = {
      {"mnuALeft", "Align &Left", int(AlignKind::Left)},       {"mnuARight", "Align &Right", int(AlignKind::Right)},
      {"mnuATop", "Align &Top", int(AlignKind::Top)},          {"mnuABottom", "Align &Bottom", int(AlignKind::Bottom)},
      {nullptr, nullptr, -1},
      {"mnuSWidth", "Same &Width", int(AlignKind::Width)},     {"mnuSHeight", "Same &Height", int(AlignKind::Height)},
  };
  for (const Item& it : aligns) {
    if (!it.name) {
      popMenu_->addSeparator();
      continue;
    }
    QAction* a = popMenu_->addAction(it.text);
    a->setObjectName(it.name);
    AlignKind kind = AlignKind(it.kind);
    alignItems_[size_t(kind)] = a;
    connect(a, &QAction::triggered, this, [this, kind] { aligned(kind); });
  }
  popMenu_->addSeparator();
  QAction* front = popMenu_->addAction("Bring to &Front");
  front->setObjectName("mnuBringtoFront");
  connect(front, &QAction::triggered, this, [this] {
    if (FormDocument* f = main_.designer().selectedForm()) {
      HistoryStepScope step(main_.designer(), *f, "Bring to Front");
      main_.designer().bringToFront();
    }
    main_.changed();
  });
  QAction* back = popMenu_->addAction("Send to &Back");
  back->setObjectName("mnuSendtoBack");
  connect(back, &QAction::triggered, this, [this] {
    if (FormDocument* f = main_.designer().selectedForm()) {
      HistoryStepScope step(main_.designer(), *f, "Send to Back");
      main_.designer().sendToBack();
    }
    main_.changed();
  });
  popMenu_->addSeparator();
  QAction* del = popMenu_->addAction("&Delete control");
  del->setObjectName("mnuDelete");
  connect(del, &QAction::triggered, this, &Surface::deleteControl);
  // A grid item that does nothing, kept hidden with its separator.
  popMenu_->addSeparator()->setVisible(false);
  QAction* grid = popMenu_->addAction("Grid");
  grid->setObjectName("mnuGrid");
  grid->setVisible(false);

  // The magnifier pauses while the menu is open.
  connect(popMenu_, &QMenu::aboutToShow, this, [this] { main_.holdZoom(true); });
  connect(popMenu_, &QMenu::aboutToHide, this, [this] { main_.holdZoom(false); });
}

QAction* Surface::item(const char* name) const { return popMenu_->findChild<QAction*>(name); }

void Surface::aligned(AlignKind kind) {
  if (FormDocument* f = main_.designer().currentForm()) {
    const bool size = kind == AlignKind::Width || kind == AlignKind::Height;
    HistoryStepScope step(main_.designer(), *f, std::string(size ? "Same " : "Align ") + alignKindName(kind));
    main_.designer().align(*f, kind);
  }
  main_.changed();
}

void Surface::deleteControl() {
  forgetDrag();
  if (FormDocument* f = main_.designer().selectedForm()) {
    HistoryStepScope step(main_.designer(), *f, "Delete");
    main_.designer().deleteSelected();
  }
  main_.changed();
}

void Surface::endDragStep() {
  if (!dragStep_) return;
  dragStep_ = false;
  commitStep(main_.designer(), form_);
}

void Surface::forgetDrag() {
  endDragStep();
  snap.reset();
  snapDialog.reset();
  grabbed_ = false;
  grab_ = {};
  band_ = {};
  if (bandShape_) bandShape_->hide();
}

bool Surface::alive(const Control* c) const {
  bool found = false;
  form_.forEachControl([&](Control& k) { found = found || &k == c; });
  return found;
}

QPoint Surface::handheldAt(const QMouseEvent* e) const { return window_.view()->pixels().toHandheld(e->position()); }

Surface::Target Surface::addressed(QPoint p) {
  // The shown dialog is the second mover's window whenever there is one.
  snapDialog.window = form_.shownDialog;
  Target t;
  const int fx = p.x(), fy = p.y();
  // Menu bars and menus lie on the form window, in front of the screen.
  const auto& menus = form_.windowChildren();
  for (auto it = menus.rbegin(); it != menus.rend(); ++it)
    if ((*it)->visible && hits(**it, fx, fy)) {
      t.kind = Target::WindowChild;
      t.control = it->get();
      t.x = fx - t.control->left(), t.y = fy - t.control->top();
      return t;
    }
  TCCForm& screen = form_.screen();
  if (!hits(screen, fx, fy)) return t;
  const int sx = fx - screen.left(), sy = fy - screen.top();
  t.kind = Target::Screen;
  t.control = &screen;
  t.x = sx, t.y = sy;
  Control* c = snap.childAt(sx, sy);
  if (!c) return t;
  t.kind = Target::Child;
  t.control = c;
  t.mover = &snap;
  t.x = sx - c->left(), t.y = sy - c->top();
  if (c == snapDialog.window)
    if (Control* inner = snapDialog.childAt(t.x, t.y)) {
      t.mover = &snapDialog;
      t.control = inner;
      t.x -= inner->left(), t.y -= inner->top();
    }
  return t;
}

bool Surface::eventFilter(QObject* watched, QEvent* e) {
  UiMessages::InputScope input(main_.messages());
  switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (watched != window_.view()) break;
      press(static_cast<QMouseEvent*>(e));
      return true;
    case QEvent::MouseMove:
      if (watched != window_.view()) break;
      move(static_cast<QMouseEvent*>(e));
      return true;
    case QEvent::MouseButtonRelease:
      if (watched != window_.view()) break;
      release(static_cast<QMouseEvent*>(e));
      return true;
    case QEvent::Wheel: {
      auto* w = static_cast<QWheelEvent*>(e);
      if (watched != window_.view() || !(w->modifiers() & Qt::ControlModifier)) break;
      // A notch is 120; a touchpad's small turns add up to one.
      wheel_ += w->angleDelta().y();
      if (std::abs(wheel_) >= 120) {
        main_.scaleForm(window_, window_.view()->pixels().scale + (wheel_ > 0 ? 1 : -1));
        wheel_ = 0;
      }
      return true;
    }
    case QEvent::KeyPress:
      // Delete on the form window removes the selection, the arrows move or size it.
      if (static_cast<QKeyEvent*>(e)->key() == Qt::Key_Delete && !static_cast<QKeyEvent*>(e)->isAutoRepeat()) {
        item("mnuDelete")->trigger();
        return true;
      }
      if (nudge(static_cast<QKeyEvent*>(e))) return true;
      break;
    default: break;
  }
  return QObject::eventFilter(watched, e);
}

void Surface::press(QMouseEvent* e) {
  const Qt::MouseButton button = e->button();
  if (grabbed_ || (button != Qt::LeftButton && button != Qt::RightButton)) return;
  Designer& d = main_.designer();
  if (main_.inspector()) main_.inspector()->commitOpenEditor();  // a name typed in the inspector goes to its control first
  if (d.currentForm() != &form_) main_.formActivated(form_);
  const QPoint p = handheldAt(e);
  grab_ = addressed(p);
  grabbed_ = true;
  grabButton_ = button;
  const Qt::KeyboardModifiers mods = e->modifiers() & kShiftCtrl;
  band_ = {};
  switch (grab_.kind) {
    case Target::Child: {
      const TCCForm& screen = form_.screen();
      if (grab_.control == form_.shownDialog && grab_.mover == &snap && grab_.y >= kDialogTitleHeight &&
          edgesAt(grab_.control->width(), grab_.control->height(), grab_.x, grab_.y) == kEdgeNone &&
          startBand(e, *grab_.control, {screen.left() + grab_.control->left(), screen.top() + grab_.control->top()})) {
        if (!band_.extending) d.pressControl(form_, *grab_.control, false, false);
        main_.changed();
        break;
      }
      const bool rightOnly = e->buttons() == Qt::RightButton && mods == Qt::NoModifier;
      const bool shiftLeft = e->buttons() == Qt::LeftButton && mods == Qt::ShiftModifier;
      d.pressControl(form_, *grab_.control, rightOnly, shiftLeft);
      grab_.mover->press(*grab_.control, grab_.x, grab_.y, p.x(), p.y(), mods & Qt::ShiftModifier);
      // The drag, until the release, is one step: a move, or a size when an edge was taken.
      beginStep(d, form_, grab_.mover->edges() == kEdgeNone ? "Move" : "Size");
      dragStep_ = true;
      main_.changed();
      break;
    }
    case Target::Screen:
      // Shift and a drag add a band's controls to the selection, which the press keeps.
      if (!startBand(e, form_.screen(), {form_.screen().left(), form_.screen().top()}) || !band_.extending)
        d.pressScreen(form_);
      main_.changed();
      break;
    case Target::WindowChild:  // a menu takes its press; its release inspects it
    case Target::Face: break;
  }
}

void Surface::move(QMouseEvent* e) {
  const QPoint p = handheldAt(e);
  const Qt::KeyboardModifiers mods = e->modifiers();
  if (grabbed_) {
    if (dragBand(p)) return;
    if (grab_.kind != Target::Child) return;
    if (!alive(grab_.control)) return forgetDrag();
    if (grab_.mover->drag(p.x(), p.y(), mods & Qt::ControlModifier)) {
      // A control that changes size shows the selection afresh.
      main_.designer().showSelection(false);
    }
    main_.changed();
    return;
  }
  Target t = addressed(p);
  unsigned edges = kEdgeNone;
  if (t.kind == Target::Child) edges = t.mover->hover(*t.control, t.x, t.y, mods & Qt::ShiftModifier);
  window_.view()->setCursor(shapeFor(cursorFor(edges)));
}

void Surface::release(QMouseEvent* e) {
  if (!grabbed_ || e->button() != grabButton_) return;
  Target t = grab_;
  grabbed_ = false;
  grab_ = {};
  const QPoint p = handheldAt(e);
  const bool right = e->button() == Qt::RightButton;
  // The state after the release: a right release alone is no longer "the right button alone", so it
  // inspects the control under the pointer, which the context menu then acts on.
  const bool rightOnly = e->buttons() == Qt::RightButton && !(e->modifiers() & kShiftCtrl);
  Designer& d = main_.designer();
  if (t.kind != Target::Face && t.kind != Target::Screen && !alive(t.control)) return forgetDrag();
  if (band_.drawn) {
    const Band band = band_;
    band_ = {};
    bandShape_->hide();
    if (!right && (band.window == &form_.screen() || alive(band.window))) {
      const QPoint a = band.from - band.origin, b = p - band.origin;
      d.selectInBand(form_, *band.window, a.x(), a.y(), b.x(), b.y(), band.extending);
    }
    main_.changed();
    return;
  }
  band_ = {};
  switch (t.kind) {
    case Target::Child:
      d.releaseControl(form_, *t.control, rightOnly, handheldFonts());
      t.mover->release();
      endDragStep();
      // The shown dialog's own release is the screen's: a control is placed in it, or it is selected.
      if (!right && t.mover == &snap && t.control == form_.shownDialog) {
        const TCCForm& screen = form_.screen();
        main_.place(form_, p.x() - screen.left() - t.control->left(), p.y() - screen.top() - t.control->top(),
                    t.control);
      }
      break;
    case Target::WindowChild: d.releaseControl(form_, *t.control, rightOnly, handheldFonts()); break;
    case Target::Screen:
      if (!right) main_.place(form_, p.x() - form_.screen().left(), p.y() - form_.screen().top(), &form_.screen());
      break;
    case Target::Face: break;
  }
  main_.changed();
  if (right && (t.kind == Target::Child || t.kind == Target::WindowChild))
    popMenu_->popup(window_.view()->mapToGlobal(e->position().toPoint()));
}

bool Surface::startBand(QMouseEvent* e, Control& window, QPoint origin) {
  // A palette tool places on the release; only the left button draws a band.
  if (e->button() != Qt::LeftButton || main_.designer().tool != Tool::None) return false;
  band_.window = &window;
  band_.origin = origin;
  band_.from = band_.to = handheldAt(e);
  band_.extending = (e->modifiers() & kShiftCtrl) == Qt::ShiftModifier;
  return true;
}

bool Surface::dragBand(QPoint p) {
  if (!band_.window) return false;
  // A click that shakes by a handheld pixel is still a click.
  if (!band_.drawn && (p - band_.from).manhattanLength() < 2) return true;
  band_.drawn = true;
  band_.to = p;
  if (!bandShape_) bandShape_ = new QRubberBand(QRubberBand::Rectangle, window_.view());
  bandShape_->setGeometry(window_.view()->pixels().toWidget(QRect(band_.from, p).normalized()));
  bandShape_->show();
  return true;
}

bool Surface::nudge(QKeyEvent* e) {
  int dx = 0, dy = 0;
  switch (e->key()) {
    case Qt::Key_Left: dx = -1; break;
    case Qt::Key_Right: dx = 1; break;
    case Qt::Key_Up: dy = -1; break;
    case Qt::Key_Down: dy = 1; break;
    default: return false;
  }
  if (grabbed_) return true;  // the mouse is moving it already
  const Qt::KeyboardModifiers mods = e->modifiers() & kShiftCtrl;
  const int step = mods & Qt::ShiftModifier ? std::max(kCoarseNudge, snap.gridSize()) : 1;
  const bool size = mods & Qt::ControlModifier;
  Designer& d = main_.designer();
  const std::vector<Control*> selected = d.selection(form_);
  if (selected.empty()) return true;
  // Presses in a row on the same selection are one step.
  beginStep(d, form_, size ? "Size" : "Move", nudgeKey(selected, size));
  d.nudge(form_, dx * step, dy * step, size, handheldFonts());
  commitStep(d, form_);
  main_.changed();
  return true;
}

}  // namespace tw::ui
