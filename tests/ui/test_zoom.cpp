// Form windows shown zoomed: every gesture lands on the same handheld pixels at every scale, the
// window follows its scale, and the last scale chosen is the next run's.
#include <QWheelEvent>

#include "UiTest.h"
#include "ini/IniFile.h"

using namespace tw;
using namespace tw::ui;
using namespace tw::ui::test;

class ZoomTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

  // The last widget pixel of a handheld pixel's block: a mapping that rounds instead of flooring,
  // or that forgets the scale, lands one handheld pixel off.
  static QPoint on(int scale, QPoint handheld) { return handheld * scale + QPoint(scale - 1, scale - 1); }

  struct Result {
    QRect placed, moved, sized, inDialog;
    bool operator==(const Result&) const = default;
  };

  // At a scale chosen with the keys: places a button, moves it, widens it from its right edge zone
  // (4 handheld pixels wide), and places a field into a shown dialog.
  static Result gestures(MainWindow& w, User& u, int scale) {
    Result r;
    newProject(w, u, 1);
    trigger(w, "mnuViewActualSize");
    for (int i = 1; i < scale; ++i) QTest::keyClick(&w, Qt::Key_Equal, Qt::ControlModifier);
    FormView* v = formWindow(w)->view();
    [&] { QCOMPARE(v->size(), QSize(167, 226) * scale); }();
    FormDocument& form = *w.designer().currentForm();
    auto bounds = [](const Control* c) { return QRect(c->left(), c->top(), c->width(), c->height()); };
    w.paletteButton(Tool::Button)->click();
    click(v, on(scale, at(&form.screen(), 30, 10)));
    Control* b = w.designer().selectedControl();
    r.placed = bounds(b);
    drag(v, on(scale, at(b, 10, 5)), on(scale, at(b, 17, 10)));
    r.moved = bounds(b);
    drag(v, on(scale, at(b, b->width() - 2, 5)), on(scale, at(b, b->width() + 4, 5)));
    r.sized = bounds(b);
    w.paletteButton(Tool::Dialog)->click();
    click(v, on(scale, at(&form.screen(), 0, 60)));
    Control* dialog = w.designer().selectedControl();
    w.paletteButton(Tool::Edit)->click();
    click(v, on(scale, at(dialog, 12, 20)));
    r.inDialog = bounds(w.designer().selectedControl());
    return r;
  }

 private slots:
  void gesturesLandOnTheSameHandheldPixelsAtEveryScale() {
    Result atOne;
    for (int scale : {1, 3, 4}) {
      QFile::remove(dir_.path() + "/options.ini");
      User u;
      MainWindow w(startIn(dir_));
      show(w);
      Result r = gestures(w, u, scale);
      if (scale == 1) {
        atOne = r;
        QCOMPARE(r.moved.topLeft(), r.placed.topLeft() + QPoint(7, 5));
        QCOMPARE(r.sized.width(), r.moved.width() + 6);
      } else {
        QCOMPARE(r.placed, atOne.placed);
        QCOMPARE(r.moved, atOne.moved);
        QCOMPARE(r.sized, atOne.sized);
        QCOMPARE(r.inDialog, atOne.inDialog);
      }
    }
  }

  void scaleCommandsWheelWindowSizeAndTheNextRun() {
    QFile::remove(dir_.path() + "/options.ini");
    {
      User u;
      MainWindow w(startIn(dir_));
      show(w);
      newProject(w, u, 2);
      FormWindow* f = formWindow(w);
      const QSize atOne = f->size();
      // Ctrl++ as typed on a keyboard with a plus key; the scale stops at 4 and at 1.
      for (int i = 0; i < 5; ++i) QTest::keyClick(&w, Qt::Key_Plus, Qt::ControlModifier);
      QCOMPARE(f->view()->pixels().scale, 4);
      QCOMPARE(f->size(), atOne + 3 * QSize(167, 226));
      QTest::keyClick(&w, Qt::Key_Minus, Qt::ControlModifier);
      QCOMPARE(f->view()->pixels().scale, 3);
      // The wheel: a touchpad's small turns add up to a notch; without Ctrl it does not zoom.
      auto wheel = [&](int delta, Qt::KeyboardModifiers mods) {
        QPointF p(10, 10);
        QWheelEvent e(p, f->view()->mapToGlobal(p), {}, {0, delta}, Qt::NoButton, mods, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f->view(), &e);
      };
      wheel(-60, Qt::ControlModifier);
      QCOMPARE(f->view()->pixels().scale, 3);
      wheel(-60, Qt::ControlModifier);
      QCOMPARE(f->view()->pixels().scale, 2);
      wheel(-120, {});
      QCOMPARE(f->view()->pixels().scale, 2);
      for (int i = 0; i < 3; ++i) QTest::keyClick(&w, Qt::Key_Minus, Qt::ControlModifier);
      QCOMPARE(f->view()->pixels().scale, 1);
      QCOMPARE(f->size(), atOne);
      QTest::keyClick(&w, Qt::Key_Equal, Qt::ControlModifier);

      // New form windows open at the last scale, and do not hide the one before.
      trigger(w, "mnuFileNewForm");
      FormWindow* second = formWindow(w, 1);
      QCOMPARE(second->view()->pixels().scale, 2);
      QVERIFY(second->pos() != f->pos());
    }
    IniFile ini;
    QVERIFY(ini.load((dir_.path() + "/options.ini").toStdString()));
    QCOMPARE(ini.readInteger("General", "Zoom", 0), 2);
  }
};

QTEST_MAIN(ZoomTest)
#include "test_zoom.moc"
