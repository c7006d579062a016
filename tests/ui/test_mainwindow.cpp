// The designer's windows driven as a user drives them, offscreen. Message boxes, file dialogs and
// modal dialogs are answered through the ui's hooks.
#include <QLabel>
#include <QMdiArea>
#include <QRadioButton>
#include <QTextBrowser>

#include "UiScript.h"
#include "app/SideWindows.h"
#include "graphics/Fonts.h"
#include "ini/IniFile.h"

using namespace tw::ui::test;

class MainWindowTest : public Case {
  Q_OBJECT

  // Whether the library's column shows a palette button (the tool bar may fold it away when narrow).
  static bool shown(MainWindow& w, Tool t) { return w.paletteButton(t)->defaultAction()->isVisible(); }

 private slots:
  void init() { forgetOptions(); }
  // Saving, closing and leaving, and the questions that come with them.
  void scripts_data() { Script::rows("ui-mainwindow.txt"); }
  void scripts() {
    QFETCH(QString, name);
    Script("ui-mainwindow.txt", name).run();
  }

  void ccontrolsLibraryWrittenAtQuit() {
    {
      Session session(start(), 1);
      auto& [u, w] = session;
      QVERIFY(shown(w, Tool::Menu) && !shown(w, Tool::GSI));
      QVERIFY(formWindow(w)->x() > w.inspector()->width());  // beside the inspector
      u.files = {path("Cc.twp"), path("CcForm.twk")};
      trigger(w, "mnuFileSaveProjectAs");
      // Exit: the project's question, and Yes saves.
      place(w, Tool::Button, 20, 20);
      u.asked.clear();
      u.answers = {kYes};
      QVERIFY(w.close());
      QCOMPARE(u.texts(), std::vector<std::string>{"Save changes to project Cc?"});
    }
    IniFile options;
    QVERIFY(options.load(path("options.ini")));
    QCOMPARE(options.readInteger("General", "Lib", 0), 1);
    QVERIFY(!options.readString("ToolBars", "State", "").empty());
    QCOMPARE(qs(options.readString("MRU Items", "F0", "")), qs(path("Cc.twp")));
    // The next start shows the CControls palette before any project.
    Session again(start());
    QCOMPARE(again.w.libraryPanel()->text(), QString("CControls"));
    QCOMPARE(int(again.w.recent().items().size()), 1);
  }

  void optionsAndAbout() {
    Session session(start());
    auto& [u, w] = session;
    u.dialog = [](QDialog& d) {
      if (auto* o = qobject_cast<OptionsDialog*>(&d)) {
        if (o->rbtGreen->isChecked()) o->rbtWhite->setChecked(true);
        o->fedCControls->setText("/opt/cc/CControls.c");
      }
      return int(QDialog::Accepted);
    };
    trigger(w, "mnuToolsOptions");
    IniFile ini;
    QVERIFY(ini.load(path("options.ini")));
    QVERIFY(ini.readBool("Design", "FormWhite", false));
    QCOMPARE(qs(ini.readString("Code", "CControlsPath", "")), QString("/opt/cc/CControls.c"));
    trigger(w, "mnuHelpAbout");
  }

  // The magnifier, the help, and the tool windows' close boxes, over an example project.
  void magnifierHelpAndToolWindows() {
    User u;
    MainWindow w(start());
    w.resize(1100, 750);  // room for both forms and the magnifier
    w.show();
    w.openProjectFile(std::string(TW_EXAMPLES_DIR) + "/ccontrols/Demo.twp");
    trigger(w, "mnuViewZoom");
    // Twice the current form's picture, pixel for pixel.
    FormWindow* current = w.windowOf(w.designer().currentForm());
    QImage small = current->view()->picture();
    QImage big = w.zoom()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(big.pixel(2 * 50 + 1, 2 * 60 + 1), small.pixel(50, 60));
    QCOMPARE(big.pixel(2 * 10, 2 * 200), small.pixel(10, 200));
    // A form dragged partly out of the work area leaves the last picture in place.
    QImage kept = w.zoom()->shown();
    current->move(current->x(), w.workArea()->height() - 20);
    w.designer().presentForm(*w.designer().currentForm());
    w.paletteButton(Tool::Label)->click();
    QTest::mouseClick(current->view(), Qt::LeftButton, {}, QPoint(30, 20));
    QCOMPARE(w.zoom()->shown(), kept);

    trigger(w, "mnuHelpContents");
    QVERIFY(w.help()->isVisible());
    QVERIFY(w.help()->browser()->toPlainText().contains("Form document window"));
    w.help()->close();

    // A tool window's close box closes its content too; the View item shows both again, not an empty frame.
    for (QWidget* content : {static_cast<QWidget*>(w.inspector()), static_cast<QWidget*>(w.zoom())}) {
      QVERIFY(content->isVisible());
      content->parentWidget()->close();
      QVERIFY(!content->parentWidget()->isVisible());
    }
    trigger(w, "mnuViewProperties");
    trigger(w, "mnuViewZoom");
    QVERIFY(w.inspector()->isVisible() && w.zoom()->isVisible());
    QVERIFY(w.inspector()->grid()->rowCount() > 0);
  }

  // The file named on the command line waits for the window's first picture: a project opens with
  // its forms, a form by its .twk ending. The hidden tool windows wait for it too.
  void opensTheNamedFileOnceShown() {
    User u;
    QString project = copyExample("ccontrols", dir_.path() + "/named");
    for (const QString& file : {project, dir_.path() + "/named/Settings.twk"}) {
      MainWindow w(start());
      struct Spy : QObject {
        MainWindow* w;
        int exposes = 0, withForms = 0, withTools = 0;
        bool eventFilter(QObject*, QEvent* e) override {
          if (e->type() != QEvent::Expose) return false;
          ++exposes, withForms += !w->designer().forms().empty();
          withTools += w->findChild<PropertiesEditor*>() != nullptr;
          return false;
        }
      } spy;
      spy.w = &w;
      w.winId();
      w.windowHandle()->installEventFilter(&spy);
      bool done = false;
      w.show();
      openOnceShown(w, file, [&] { done = true; });
      QTRY_VERIFY(done);
      QVERIFY(spy.exposes > 0 && spy.withForms == 0 && spy.withTools == 0);
      QVERIFY(w.findChild<PropertiesEditor*>());
      QCOMPARE(int(w.designer().forms().size()), file == project ? 2 : 1);
      QVERIFY(formWindow(w)->isVisible());
      QVERIFY(u.asked.empty());
    }
  }

  // Last: it replaces the process's fonts with their substitutes, then loads them again.
  void missingFontsAreReported() {
    QTemporaryDir empty;
    {
      User u;
      MainWindow w({path("options.ini"), empty.path().toStdString()});
      // The fonts are read once the window is on the screen.
      QCOMPARE(u.count(".fon not found"), 0);
      w.show();
      QTRY_COMPARE(u.count(".fon not found"), 3);
      // The designer runs on: a new project places controls all the same.
      newProject(w, u, 2);
      place(w, Tool::Label, 30, 40);
      QCOMPARE(int(w.designer().forms()[0]->screen().children().size()), 1);
    }
    User u;
    MainWindow w(start());
    w.show();
    QTRY_VERIFY(w.findChild<PropertiesEditor*>());
    QVERIFY(u.asked.empty());
    QVERIFY(handheldFonts().isLoaded(FontFace::Large));
  }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
