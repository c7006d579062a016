// Form windows shown zoomed: every gesture lands on the same handheld pixels at every scale, the
// window follows its scale, and the last scale chosen is the next run's. The preview, shown at the
// form windows' scale, clicked through.
#include <QWheelEvent>
#include <array>
#include <tuple>

#include "UiScript.h"
#include "app/PreviewWindow.h"
#include "ini/IniFile.h"
#include "preview/Preview.h"

using namespace tw::ui::test;

class ZoomTest : public Case {
  Q_OBJECT

 private slots:
  void scripts_data() { Script::rows("ui-zoom.txt"); }
  void scripts() {
    QFETCH(QString, name);
    Script("ui-zoom.txt", name).run();
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
