// The preview window driven with the mouse and keys: the CControls example's form links clicked through.
#include <QFile>

#include "UiTest.h"
#include "app/PreviewWindow.h"
#include "preview/Preview.h"

using namespace tw;
using namespace tw::ui;
using namespace tw::ui::test;

namespace {

long long stateOf(const Control& c) { return std::get<long long>(c.property("State")->get(c)); }

class PreviewTest : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;

 private slots:
  void clicksThroughTheFormLinks() {
    for (const char* f : {"Demo.twp", "Main.twk", "Settings.twk"})
      QVERIFY(QFile::copy(QString(TW_EXAMPLES_DIR "/ccontrols/") + f, dir_.path() + "/" + f));
    User u;
    MainWindow w(startIn(dir_));
    show(w);
    w.openProjectFile((dir_.path() + "/Demo.twp").toStdString());
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
    QCOMPARE(stateOf(*p.find("swLight")), 0);
    QCOMPARE(stateOf(*w.designer().forms().at(0)->findComponent("swLight")), 1);

    click("butSettings");
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(14, 180) * window->scale());  // home
    QCOMPARE(p.formName(), std::string("Main"));
    QVERIFY(u.asked.empty());
  }
};

}  // namespace

QTEST_MAIN(PreviewTest)
#include "test_preview.moc"
