#pragma once
// The design surface of a form window: the mouse and the keys on its picture turned into core's
// surface calls. Two movers watch it, one over the screen's controls and one over the shown
// dialog's; a press grabs the control it lands on until the button comes up. Menu bars and menus
// lie on the form window itself: they take their presses, and a release on one inspects it. A right
// release on a control opens the context menu.
#include <QObject>
#include <QPoint>
#include <array>

#include "model/Design.h"
#include "model/SnapToGrid.h"

class QAction;
class QKeyEvent;
class QMenu;
class QMouseEvent;
class QRubberBand;

namespace tw {
class Control;
class FormDocument;
}  // namespace tw

namespace tw::ui {

class MainWindow;
class FormWindow;

class Surface : public QObject {
  Q_OBJECT
 public:
  Surface(MainWindow& main, FormWindow& window);

  SnapToGrid snap;        // the screen's direct children
  SnapToGrid snapDialog;  // the shown dialog's direct children
  // The context menu, its items in order; the item of a name ("mnuALeft", "mnuDelete", ...).
  QMenu* popMenu() const { return popMenu_; }
  QAction* item(const char* name) const;
  // The align or same-size item of a kind, which the main window's tool buttons run.
  QAction* alignItem(AlignKind kind) const { return alignItems_[size_t(kind)]; }

  // The handheld pixel of the form window's client area under a mouse event.
  QPoint handheldAt(const QMouseEvent* e) const;
  // What a handheld pixel of the form window's client area is addressed to.
  struct Target {
    enum Kind { Face, Screen, Child, WindowChild } kind = Face;
    Control* control = nullptr;   // the control under the point (Child, WindowChild)
    SnapToGrid* mover = nullptr;  // the mover that watches it (Child)
    int x = 0, y = 0;             // the point in the target's own pixels
  };
  Target addressed(QPoint p);
  // Lets go of the pressed and hovered controls (before they are destroyed or replaced); a drag in
  // progress ends as a step of the form's history.
  void forgetDrag();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void buildPopMenu();
  void press(QMouseEvent* e);
  void move(QMouseEvent* e);
  void release(QMouseEvent* e);
  bool alive(const Control* c) const;
  void deleteControl();
  void aligned(AlignKind kind);
  void endDragStep();
  // The rubber band (a drag from the screen's or the shown dialog's background) and the arrow keys.
  bool startBand(QMouseEvent* e, Control& window, QPoint origin);
  bool dragBand(QPoint p);
  bool nudge(QKeyEvent* e);

  MainWindow& main_;
  FormWindow& window_;
  FormDocument& form_;
  QMenu* popMenu_ = nullptr;
  std::array<QAction*, 6> alignItems_{};
  bool grabbed_ = false;  // a button is held since a press on the surface
  Qt::MouseButton grabButton_ = Qt::NoButton;
  Target grab_;
  bool dragStep_ = false;  // a press on a control opened a step that its release closes
  struct Band {
    Control* window = nullptr;  // the screen or the shown dialog; nullptr: no band pending
    QPoint origin;              // the window's top left, in handheld pixels of the view
    QPoint from, to;            // the corners, in handheld pixels of the view
    bool extending = false;
    bool drawn = false;         // the pointer moved: a band, not a click
  } band_;
  QRubberBand* bandShape_ = nullptr;
  int wheel_ = 0;          // Ctrl+wheel turned since the last scale step, in eighths of a degree
};

}  // namespace tw::ui
