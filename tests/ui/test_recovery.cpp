// Files changed by someone else while the designer has them open, and the work of a designer that
// was killed mid-edit, restored at the next start. Every question is a real message box.
#include <QProcess>
#include <csignal>
#include <cstdio>

#include "UiTest.h"
#include "app/Recovery.h"
#include "base/FileIO.h"
#include "model/DiskState.h"
#include "model/FormFile.h"
#include "model/History.h"

using namespace tw::ui::test;

namespace {

// An answer to each box by its text: Yes when it holds one of `parts`, else No.
std::function<MsgButton(const std::string&)> yesTo(std::initializer_list<const char*> parts) {
  std::vector<std::string> yes(parts.begin(), parts.end());
  return [yes](const std::string& text) {
    for (const auto& p : yes)
      if (text.find(p) != std::string::npos) return kYes;
    return kNo;
  };
}

std::string recoveryIn(const QTemporaryDir& dir) { return ss(dir.filePath("state/tarnowick/recovery")); }

// A designer with its options file and its recovery copies in the test's folder.
struct DesignerRun {
  MainWindow w;
  DesignerRun(const QTemporaryDir& dir, const std::string& recovery, const std::string& project = {})
      : w(StartOptions{ss(dir.filePath("options.ini")), TW_DATA_DIR}) {
    w.recovery()->keepCopiesIn(recovery);
    w.show();
    if (!project.empty()) w.openProjectFile(project);
  }
};

FormDocument* formNamed(MainWindow& w, const std::string& file) {
  for (const auto& f : w.designer().forms())
    if (fileNamePart(f->fileName) == file) return f.get();
  return nullptr;
}

// Another designer opens the form file, retitles it, adds a control and saves it.
void editElsewhere(const std::string& path, int lib, const std::string& title) {
  OpenedForm theirs = openFormFile(path, lib, kWhite);
  QVERIFY(theirs.form);
  theirs.form->screen().title = title;
  QVERIFY(saveForm(*theirs.form, path, nullptr));
}

std::string bytesOf(const std::string& path) { return readWholeFile(path).value_or(""); }

// Places a label through the palette and a click on the form's screen, as the user does.
void placeLabel(MainWindow& w, FormDocument& form, int x, int y) {
  w.paletteButton(Tool::Label)->click();
  click(w.windowOf(&form)->view(), QPoint(form.screen().left() + x, form.screen().top() + y));
}

// The designer that is killed: opens the project, places a label, and waits to be killed once the
// recovery copy of its unsaved work is on disk.
int crashChild(int argc, char** argv) {
  QApplication app(argc, argv);
  QTemporaryDir scratch;
  DesignerRun d(scratch, argv[3], argv[2]);
  MainWindow& w = d.w;
  FormDocument* main = formNamed(w, "Main.twk");
  if (!main) return 3;
  const int before = main->controlCount();
  placeLabel(w, *main, 60, 120);
  if (main->controlCount() != before + 1) return 4;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (!w.recovery()->writer() || !fileExists(w.recovery()->writer()->folder() + "/session.ini")) return;
    std::printf("ready\n");
    std::fflush(stdout);
    poll.stop();
  });
  poll.start(50);
  return QApplication::exec();  // never ends on its own: the test kills it
}

}  // namespace

class RecoveryTest : public QObject {
  Q_OBJECT

 private slots:
  void aSaveOverAFileChangedElsewhereAsksFirst() {
    QTemporaryDir dir;
    std::string project = ss(copyExample("ptoolbox", dir.path()));
    DesignerRun d(dir, recoveryIn(dir), project);
    MainWindow& w = d.w;
    FormDocument* main = formNamed(w, "Main.twk");
    QVERIFY(main);
    QVERIFY(!hasUnsavedChanges(*main));

    editElsewhere(main->fileName, 2, "Theirs");
    std::string theirs = bytesOf(main->fileName);
    {
      // Keep their Main.twk; Options.twk (unchanged on disk) is written over without a question.
      User user;
      user.choose = yesTo({"already exists"});
      w.findChild<QAction*>("mnuFileSaveProject")->trigger();
      QCOMPARE(user.count("Main.twk was changed by another program"), 1);
      QCOMPARE(user.count("already exists"), 0);
    }
    QCOMPARE(bytesOf(main->fileName), theirs);
    QVERIFY(hasUnsavedChanges(*main));
    {
      User user;
      user.choose = yesTo({"already exists", "changed by another"});
      QTest::qWait(600);  // no offer to reload over the work that is now unsaved
      QCOMPARE(int(user.asked.size()), 0);
      w.findChild<QAction*>("mnuFileSaveProject")->trigger();
      QCOMPARE(user.count("Main.twk was changed by another program"), 1);
      QCOMPARE(user.count("reload"), 0);
    }
    QVERIFY(bytesOf(main->fileName) != theirs);
    QVERIFY(!hasUnsavedChanges(*main));

    // The project file written by someone else: No writes nothing at all.
    std::string twp = bytesOf(project);
    QVERIFY(writeFileAtomic(project, twp + "[Other]\r\nKey=1\r\n"));
    {
      User user;
      user.choose = [](const std::string&) { return kNo; };
      w.findChild<QAction*>("mnuFileSaveProject")->trigger();
      QCOMPARE(user.count("Demo.twp was changed by another program"), 1);
      QCOMPARE(int(user.asked.size()), 1);
    }
    QCOMPARE(bytesOf(project), twp + "[Other]\r\nKey=1\r\n");
  }

  void aFileChangedOnDiskIsOfferedForReloadingWhileItHasNoUnsavedChanges() {
    QTemporaryDir dir;
    std::string project = ss(copyExample("ccontrols", dir.path()));
    DesignerRun d(dir, recoveryIn(dir), project);
    MainWindow& w = d.w;
    FormDocument* form = formNamed(w, "Settings.twk");
    QVERIFY(form);
    User user;
    user.choose = yesTo({"reload"});
    editElsewhere(form->fileName, 1, "Reloaded");
    QTRY_COMPARE_WITH_TIMEOUT(form->screen().title, std::string("Reloaded"), 5000);
    QCOMPARE(user.count("Settings.twk was changed by another program. Do you want to reload it?"), 1);
    QVERIFY(!hasUnsavedChanges(*form));
    QCOMPARE(form->history().undoName(), std::string("Reload"));

    // Removed and written anew, as a checkout does: the new file is watched and offered as well.
    const std::string path = form->fileName;
    std::string bytes = bytesOf(path);
    QVERIFY(QFile::remove(qs(path)));
    QTest::qWait(700);
    bytes.replace(bytes.find("Title=Reloaded"), 14, "Title=Back");
    QVERIFY(writeFileAtomic(path, bytes));
    QTRY_COMPARE_WITH_TIMEOUT(form->screen().title, std::string("Back"), 8000);
    QCOMPARE(user.count("Do you want to reload it?"), 2);

    // With unsaved changes the file is left alone: the next save asks.
    w.designer().activate(*form);
    w.undoCommand();
    QVERIFY(hasUnsavedChanges(*form));
    const std::string mine = form->screen().title;
    editElsewhere(form->fileName, 1, "Again");
    QTest::qWait(1000);
    QCOMPARE(int(user.asked.size()), 2);
    QCOMPARE(form->screen().title, mine);
  }

  void aProjectFileChangedElsewhereIsOfferedForReloading() {
    QTemporaryDir dir;
    std::string project = ss(copyExample("ccontrols", dir.path()));
    DesignerRun d(dir, recoveryIn(dir), project);
    MainWindow& w = d.w;
    QCOMPARE(int(w.designer().forms().size()), 2);
    User user;
    user.choose = yesTo({"reload"});
    // The other designer's project lists one form only.
    std::string twp = bytesOf(project);
    twp.erase(twp.find("Form4=Settings.twk"), 18);
    QVERIFY(writeFileAtomic(project, twp));
    QTRY_COMPARE_WITH_TIMEOUT(int(w.designer().forms().size()), 1, 5000);
    QCOMPARE(user.count("Demo.twp was changed by another program. Do you want to reload it?"), 1);
    QCOMPARE(w.projectFile(), project);
  }

  void aDesignerKilledMidEditIsRestoredAtTheNextStart() {
    QTemporaryDir dir;
    std::string project = ss(copyExample("ptoolbox", dir.path()));
    std::string root = recoveryIn(dir);
    std::string mainBefore = bytesOf(ss(dir.filePath("Main.twk")));

    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--crash-child", QString::fromStdString(project), QString::fromStdString(root)});
    QVERIFY(child.waitForStarted());
    QByteArray said;  // the macro reads its expression once more at the end: keep what was read
    QTRY_VERIFY_WITH_TIMEOUT((said += child.readAllStandardOutput()).contains("ready") ||
                                 child.state() == QProcess::NotRunning,
                             30000);
    QVERIFY2(child.state() == QProcess::Running, child.readAllStandardError().constData());
    ::kill(pid_t(child.processId()), SIGKILL);
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QCOMPARE(bytesOf(ss(dir.filePath("Main.twk"))), mainBefore);

    DesignerRun d(dir, recoveryIn(dir));
    MainWindow& w = d.w;
    {
      User user;
      user.choose = yesTo({"did not close properly"});
      QVERIFY(w.recovery()->offer());
      QCOMPARE(user.count("project Demo, forms Main, Options"), 1);
    }
    QCOMPARE(w.projectName(), std::string("Demo"));
    QCOMPARE(w.projectFile(), project);
    FormDocument* main = formNamed(w, "Main.twk");
    QVERIFY(main);
    QVERIFY(hasUnsavedChanges(*main));
    OpenedForm onDisk = openFormFile(main->fileName, 2, kWhite);
    QCOMPARE(main->controlCount(), onDisk.form->controlCount() + 1);
    FormDocument* options = formNamed(w, "Options.twk");
    QVERIFY(options && !hasUnsavedChanges(*options));

    // Only this run's copies are left: the crashed run's are gone once restored.
    QCOMPARE(leftoverSessions(root).size(), size_t(0));
    QVERIFY(isDirectory(w.recovery()->writer()->folder()));
    QCOMPARE(int(QDir(QString::fromStdString(root)).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size()), 1);

    // A clean save removes them.
    {
      User user;
      user.choose = [](const std::string&) { return kYes; };
      w.findChild<QAction*>("mnuFileSaveProject")->trigger();
    }
    QTRY_VERIFY_WITH_TIMEOUT(!isDirectory(w.recovery()->writer()->folder()), 2 * Recovery::kDelayMs + 1000);
    QCOMPARE(openFormFile(main->fileName, 2, kWhite).form->controlCount(), main->controlCount());
  }

  void aCleanExitLeavesNothingAndNoOtherRunsCopiesAreTouched() {
    QTemporaryDir dir;
    std::string project = ss(copyExample("ccontrols", dir.path()));
    std::string folder;
    {
      DesignerRun d(dir, recoveryIn(dir), project);
      MainWindow& w = d.w;
      placeLabel(w, *w.designer().currentForm(), 40, 100);
      w.recovery()->writeNow();
      folder = w.recovery()->writer()->folder();
      QVERIFY(fileExists(folder + "/session.ini"));
      DesignerRun other(dir, recoveryIn(dir));
      User user;
      user.choose = [](const std::string&) { return kYes; };
      QVERIFY(!other.w.recovery()->offer());  // a running designer's work is not offered
      QCOMPARE(int(user.asked.size()), 0);
    }
    QVERIFY(!isDirectory(folder));
  }
};

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--crash-child") return crashChild(argc, argv);
  QApplication app(argc, argv);
  RecoveryTest t;
  return QTest::qExec(&t, argc, argv);
}

#include "test_recovery.moc"
