// Form windows shown zoomed: every gesture lands on the same handheld pixels at every scale, the
// window follows its scale, and the last scale chosen is the next run's. The preview, shown at the
// form windows' scale, clicked through.
#include <QWheelEvent>
#include <array>
#include <tuple>

#include "UiTest.h"
#include "app/PreviewWindow.h"
#include "ini/IniFile.h"
#include "preview/Preview.h"

using namespace tw::ui::test;

class ZoomTest : public Case {
  Q_OBJECT

  // The last widget pixel of a handheld pixel's block: a mapping that rounds instead of flooring,
  // or that forgets the scale, lands one handheld pixel off.
  static QPoint on(int scale, QPoint handheld) { return handheld * scale + QPoint(scale - 1, scale - 1); }

  // Where a placed button lies, after a move, after a widening; a field placed into a dialog.
  using Result = std::array<QRect, 4>;

  // At a scale chosen with the keys; the button is widened from its right edge zone (4 pixels wide).
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
    r[0] = bounds(b);
    drag(v, on(scale, at(b, 10, 5)), on(scale, at(b, 17, 10)));
    r[1] = bounds(b);
    drag(v, on(scale, at(b, b->width() - 2, 5)), on(scale, at(b, b->width() + 4, 5)));
    r[2] = bounds(b);
    // A band from the screen's background over the button selects it alone, not a label beyond it.
    w.paletteButton(Tool::Label)->click();
    click(v, on(scale, at(&form.screen(), 130, 100)));
    w.designer().deselectAll(form);
    drag(v, on(scale, at(&form.screen(), 120, 45)), on(scale, at(&form.screen(), 20, 20)));
    [&] { QCOMPARE(w.designer().selection(form), std::vector<Control*>{b}); }();
    w.paletteButton(Tool::Dialog)->click();
    click(v, on(scale, at(&form.screen(), 0, 60)));
    Control* dialog = w.designer().selectedControl();
    w.paletteButton(Tool::Edit)->click();
    click(v, on(scale, at(dialog, 12, 20)));
    r[3] = bounds(w.designer().selectedControl());
    return r;
  }

 private slots:
  void gesturesLandOnTheSameHandheldPixelsAtEveryScale() {
    Result atOne;
    for (int scale : {1, 3, 4}) {
      forgetOptions();
      Session session(start());
      Result r = gestures(session.w, session.u, scale);
      if (scale == 1) atOne = r;
      QCOMPARE(r[1].topLeft(), r[0].topLeft() + QPoint(7, 5));
      QCOMPARE(r[2].width(), r[1].width() + 6);
      for (size_t i = 0; i < r.size(); ++i) QCOMPARE(r[i], atOne[i]);
    }
  }

  void scaleCommandsWheelWindowSizeAndTheNextRun() {
    forgetOptions();
    {
      Session session(start(), 2);
      auto& [u, w] = session;
      FormWindow* f = formWindow(w);
      const QSize atOne = f->size();
      // Ctrl++ as typed on a keyboard with a plus key; the scale stops at 4 and at 1.
      for (int i = 0; i < 5; ++i) QTest::keyClick(&w, Qt::Key_Plus, Qt::ControlModifier);
      QCOMPARE(f->view()->pixels().scale, 4);
      QCOMPARE(f->size(), atOne + 3 * QSize(167, 226));
      // The wheel: a touchpad's small turns add up to a notch; without Ctrl it does not zoom.
      for (auto [delta, mods, scale] : {std::tuple{-60, Qt::ControlModifier, 4}, {-60, Qt::ControlModifier, 3},
                                        {-120, Qt::NoModifier, 3}}) {
        QWheelEvent e({10, 10}, f->view()->mapToGlobal(QPointF(10, 10)), {}, {0, delta}, Qt::NoButton, mods,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(f->view(), &e);
        QCOMPARE(f->view()->pixels().scale, scale);
      }
      for (int i = 0; i < 3; ++i) QTest::keyClick(&w, Qt::Key_Minus, Qt::ControlModifier);  // Ctrl+-
      QCOMPARE(f->view()->pixels().scale, 1);
      QCOMPARE(f->size(), atOne);
      QTest::keyClick(&w, Qt::Key_Equal, Qt::ControlModifier);

      // New form windows open at the last scale, and do not hide the one before.
      trigger(w, "mnuFileNewForm");
      QCOMPARE(formWindow(w, 1)->view()->pixels().scale, 2);
      QVERIFY(formWindow(w, 1)->pos() != f->pos());
    }
    IniFile ini;
    QVERIFY(ini.load((dir_.path() + "/options.ini").toStdString()));
    QCOMPARE(ini.readInteger("General", "Zoom", 0), 2);
  }

  // The CControls example's form links clicked through with the mouse, and keys typed.
  void previewClicksThroughTheFormLinks() {
    forgetOptions();
    Session session(start(), copyExample("ccontrols", dir_.path() + "/preview"));
    auto& [u, w] = session;
    trigger(w, "mnuViewZoomIn");
    trigger(w, "mnuViewZoomIn");
    QTest::keyClick(&w, Qt::Key_F5);
    auto* window = w.findChild<PreviewWindow*>("frmPreview");
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->scale(), w.editScale());  // the form windows' zoom
    QVERIFY(window->scale() > 1);
    Preview& p = window->preview();
    QCOMPARE(p.formName(), std::string("Main"));

    auto click = [&](const char* name) {
      Control* c = p.find(name);
      QVERIFY2(c, name);
      QTest::mouseClick(window, Qt::LeftButton, {}, at(c, 4, 4) * window->scale());
    };
    const struct {
      const char* control;
      const char* form;
      const char* dialog;
    } walk[] = {
        {"butSettings", "Settings", ""}, {"butAbout", "Settings", "dlgAbout"}, {"butOK", "Main", ""},
        {"butSettings", "Settings", ""}, {"butBack", "Main", ""},
    };
    for (const auto& step : walk) {
      click(step.control);
      QCOMPARE(p.formName(), std::string(step.form));
      QCOMPARE(p.dialogName(), std::string(step.dialog));
      QVERIFY(window->windowTitle().contains(step.form));
    }

    // Keys go to the edit clicked; the switch toggles in the preview alone.
    click("edtName");
    QTest::keyClicks(window, "Zo");
    QTest::keyClick(window, Qt::Key_Backspace);
    QCOMPARE(p.editText(*p.find("edtName")), std::string("NameZ"));
    click("swLight");
    auto state = [](const Control* c) { return std::get<long long>(c->property("State")->get(*c)); };
    QCOMPARE(state(p.find("swLight")), 0);
    QCOMPARE(state(w.designer().forms().at(0)->findComponent("swLight")), 1);

    click("butSettings");
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(14, 180) * window->scale());  // home
    QCOMPARE(p.formName(), std::string("Main"));
    QVERIFY(u.asked.empty());
  }
};

QTEST_MAIN(ZoomTest)
#include "test_zoom.moc"
