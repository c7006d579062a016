// The generate-code window driven as a user drives it, offscreen, opened from the main window's
// Project > Generate Code. Questions and file dialogs are answered through the ui's hooks.
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <sstream>

#include "UiTest.h"
#include "app/SideWindows.h"
#include "base/FileIO.h"
#include "codegen/CodePanes.h"
#include "codegen/GenerateDialog.h"
#include "codegen/Icons.h"
#include "ini/IniFile.h"
#include "Commands.h"

using namespace tw::ui::test;

namespace {

QByteArray bytesOf(const QString& path) { return QByteArray::fromStdString(readWholeFile(ss(path)).value_or("<missing>")); }
QStringList filesIn(const QString& dir) { return QDir(dir).entryList(QDir::Files, QDir::Name); }

}  // namespace

class GenerateTest : public Case {
  Q_OBJECT

  QString copyExample(const QString& library, const QString& into) { return test::copyExample(library, qs(path(into))); }
  static void writeIcon(const QString& file, const IconPicture& picture) {
    QVERIFY(writeFileAtomic(ss(file), encodeBmp(picture, 4)));
  }

  // The generate-code window opened through its menu command, shown as a user sees it, running step.
  static void inDialog(MainWindow& w, User& u, const std::function<void(GenerateDialog&)>& step) {
    bool ran = false;
    u.dialog = [&](QDialog& d) {
      if (auto* g = qobject_cast<GenerateDialog*>(&d)) {
        g->show();
        (void)QTest::qWaitForWindowExposed(g);  // laid out and polished
        ran = true;
        step(*g);
        g->hide();
      }
      return int(QDialog::Rejected);
    };
    trigger(w, "mnuProjectGenerate");
    u.dialog = nullptr;
    QVERIFY(ran);
  }

  static QString counters(GenerateDialog& d, int page) {
    return d.lineCounters[size_t(page)]->text() + "/" + d.charCounters[size_t(page)]->text();
  }

 private slots:
  // A project file without settings; switching the target empties the panes; no open form is refused.
  void defaultsTargetsAndNoOpenForm() {
    QString project = copyExample("ccontrols", "defaults");
    QVERIFY(writeFileAtomic(ss(project), "[Project]\r\nName=Demo.twp\r\nLib=1\r\n[ActiveForms]\r\nForm3=Main.twk\r\n"
                                         "Form4=Settings.twk\r\n"));
    Session session(start(), project);
    auto& [u, w] = session;
    inDialog(w, u, [&](GenerateDialog& d) {
      QCOMPARE(d.dedOutput->text(), qs(path("defaults/")));
      QCOMPARE(d.cmbForms->currentText(), QString("Main"));
      QVERIFY(d.rbtPDE->isChecked() && !d.butSave->isEnabled());
      for (size_t i = 0; i < kIconSlotCount; ++i) QVERIFY(d.iconPaths()[i].empty());

      QTest::mouseClick(d.butGenerar, Qt::LeftButton);
      d.rbtMemos->click();
      QVERIFY(d.grpPrcProp->isHidden() && d.butSave->isHidden() && !d.butSave->isEnabled());
      for (QPlainTextEdit* p : d.panes) QVERIFY(p->toPlainText().isEmpty());
      QCOMPARE(counters(d, 0), QString("0 lines/0 chars"));
      QTest::mouseClick(d.butGenerar, Qt::LeftButton);
      QCOMPARE(d.panes[0]->toPlainText().split('\n').value(0), QString("//Main Demo.pc"));
      d.rbtPDE->click();
      QVERIFY(!d.grpPrcProp->isHidden() && !d.butSave->isEnabled());
      QVERIFY(d.panes[0]->toPlainText().isEmpty());
      QTest::keyClick(d.edtAppName, Qt::Key_F1);
      QVERIFY(w.help()->isVisible());
    });
    QVERIFY(u.asked.empty());

    u.answers = {kNo, kNo};  // the forms' save questions
    for (const auto& f : w.designer().forms()) w.windowOf(f.get())->close();
    u.asked.clear();
    inDialog(w, u, [&](GenerateDialog& d) {
      QCOMPARE(d.cmbForms->count(), 0);
      QTest::mouseClick(d.butGenerar, Qt::LeftButton);
      QCOMPARE(int(u.asked.size()), 1);
      QCOMPARE(qs(u.asked[0].caption), QString("Error"));
      QVERIFY(u.asked[0].text.find("no open form") != std::string::npos);
      QVERIFY(!d.butSave->isEnabled());
      for (QPlainTextEdit* p : d.panes) QVERIFY(p->toPlainText().isEmpty());
    });
  }

  void storedSettingsAndIconsOnShowing() {
    QString project = copyExample("ptoolbox", "stored");
    const QString chosen = qs(path("stored/mine.bmp"));
    writeIcon(chosen, IconPicture{15, 9, std::vector<uint8_t>(15 * 9, 1)});  // all black
    IniFile ini;
    QVERIFY(ini.load(project.toStdString()));
    ini.writeString("Code", "FirstForm", "options");  // an open form, in other letter case
    ini.writeString("Code", "Memo", "1");
    ini.writeString("Icons", "Small1", chosen.toStdString());
    ini.writeString("Icons", "Large8", path("stored/gone.bmp"));
    QVERIFY(ini.save(project.toStdString()));

    Session session(start(), project);
    auto& [u, w] = session;
    inDialog(w, u, [&](GenerateDialog& d) {
      QCOMPARE(d.windowTitle(), QString("Tarnowick 1.0 - Generate code - PToolboxLib"));
      QCOMPARE(d.cmbForms->currentText(), QString("Options"));
      QCOMPARE(d.edtCID->text(), QString("TWPT"));
      QVERIFY(d.rbtMemos->isChecked());
      QVERIFY(d.grpPrcProp->isHidden() && d.butSave->isHidden());
      QCOMPARE(qs(d.iconPaths()[1]), chosen);  // Small1
      QCOMPARE(qGray(d.icons[1]->picture().pixel(7, 4)), 0);
      QVERIFY(d.iconPaths()[6].empty());  // Large8 names a file that is gone: the default picture
      QCOMPARE(d.icons[6]->picture().size(), QSize(32, 32));
    });
    QVERIFY(u.asked.empty());
  }

  void generateAndSaveGiveWhatTheCommandLineGives_data() {
    QTest::addColumn<QString>("library");
    QTest::addColumn<QString>("libraryWarning");
    QTest::newRow("CControls") << "ccontrols"
                               << "CControls library not found at project source path. You must copy it before compile.";
    QTest::newRow("PToolboxLib") << "ptoolbox"
                                 << "PToolboxLib header file Fctl.h not found at project source path. You must copy "
                                    "it before compile.";
  }

  void generateAndSaveGiveWhatTheCommandLineGives() {
    QFETCH(QString, library);
    QFETCH(QString, libraryWarning);
    const QString folder = "same-" + library;
    QString project = copyExample(library, folder);
    const QString gui = qs(path(folder + "/gui")), cli = qs(path(folder + "/cli"));
    const QString chosen = qs(path(folder + "/chosen.bmp"));
    IconPicture pic = defaultIcon(32, 32);
    for (size_t i = 0; i < 32; ++i) pic.pixels[i * 33] = 1;  // a diagonal
    writeIcon(chosen, pic);

    Session session(start(), project);
    auto& [u, w] = session;
    inDialog(w, u, [&](GenerateDialog& d) {
      d.dedOutput->setText(gui);
      d.edtAppName->setText("Tried");
      // Choosing a picture stores it in the project file at once.
      u.files = {chosen.toStdString()};
      QTest::mouseClick(d.icons[2], Qt::LeftButton);  // 2 bit large
      QCOMPARE(u.dialogs.back().first, std::string("Open 2 bit large icon"));
      IniFile stored;
      QVERIFY(stored.load(project.toStdString()));
      QCOMPARE(qs(stored.readString("Icons", "Large2", "")), chosen);

      QTest::mouseClick(d.butGenerar, Qt::LeftButton);
      QVERIFY(d.butSave->isEnabled());
      QCOMPARE(d.panes[0]->toPlainText().split('\n').value(1), QString("@name \"Tried\";"));
      for (int i = 0; i < 4; ++i) {
        QVERIFY(!d.panes[size_t(i)]->toPlainText().isEmpty());
        QCOMPARE(d.panes[size_t(i)]->textCursor().position(), 0);
        PaneCount c = countPane(d.panes[size_t(i)]->toPlainText().toStdString());
        QCOMPARE(counters(d, i), QString("%1 lines/%2 chars").arg(c.lines).arg(c.chars));
      }
      QVERIFY(stored.load(project.toStdString()));
      QCOMPARE(qs(stored.readString("Code", "AppName", "")), QString("Tried"));

      QTest::mouseClick(d.butSave, Qt::LeftButton);
      QCOMPARE(u.texts(), std::vector<std::string>{libraryWarning.toStdString()});
      QCOMPARE(u.asked[0].caption, std::string("Warning"));

      // Copy puts a pane's whole text on the clipboard.
      QTest::mouseClick(d.copyButtons[1], Qt::LeftButton);
      QCOMPARE(QApplication::clipboard()->text(), d.panes[1]->toPlainText());
    });

    std::ostringstream out, err;
    int status = runGenerate({project.toStdString(), "--out", cli.toStdString()}, out, err);
    QCOMPARE(status, 0);
    QStringList names = filesIn(gui);
    QCOMPARE(names.size(), 12);
    QCOMPARE(names, filesIn(cli));
    for (const QString& n : names) QVERIFY2(bytesOf(gui + "/" + n) == bytesOf(cli + "/" + n), qPrintable(n));
    QCOMPARE(bytesOf(gui + "/large2.bmp"), bytesOf(chosen));

    // What the user edits is what Save writes, and the counters follow the edit.
    u.asked.clear();
    inDialog(w, u, [&](GenerateDialog& d) {
      QCOMPARE(d.dedOutput->text(), gui);  // read back from the project file
      QTest::mouseClick(d.butGenerar, Qt::LeftButton);
      QString before = counters(d, 3);
      QPlainTextEdit* header = d.panes[3];
      header->moveCursor(QTextCursor::End);
      QTest::keyClicks(header, "//x");
      PaneCount c = countPane(header->toPlainText().toStdString());
      QCOMPARE(counters(d, 3), QString("%1 lines/%2 chars").arg(c.lines).arg(c.chars));
      QVERIFY(counters(d, 3) != before);
      d.dedOutput->setText(qs(path(folder + "/edited/")));
      QTest::mouseClick(d.butSave, Qt::LeftButton);
    });
    QCOMPARE(bytesOf(qs(path(folder + "/edited/DemoForms.pc"))), bytesOf(cli + "/DemoForms.pc"));
    QCOMPARE(bytesOf(qs(path(folder + "/edited/Demo.h"))), bytesOf(cli + "/Demo.h") + "//x\r\n");
  }

  // Which files are asked about is the core's rule; here the question is a real box whose three
  // buttons reach it.
  void replaceQuestionsAreRealBoxes() {
    QString project = copyExample("ptoolbox", "replace");
    const QString out = qs(path("replace/out"));
    Session session(start(), project);
    auto& [u, w] = session;
    inDialog(w, u, [&](GenerateDialog& d) {
      d.dedOutput->setText(out);
      QTest::mouseClick(d.butGenerar, Qt::LeftButton);
      QDir().mkpath(out);
      QVERIFY(writeFileAtomic(ss(out + "/DemoForms.pc"), "old\r\n"));
      u.answers = {kNo};
      QTest::mouseClick(d.butSave, Qt::LeftButton);
      QCOMPARE(qs(u.asked.at(0).text), out + "/DemoForms.pc already exists. Do you want to replace it?");
      QCOMPARE(u.asked[0].buttons, unsigned(kYes | kNo | kCancel));
      QCOMPARE(bytesOf(out + "/DemoForms.pc"), QByteArray("old\r\n"));
      QVERIFY(bytesOf(out + "/Demo.h") != QByteArray("<missing>"));
      // A file the user changed since it was saved: Merge is the default and keeps both changes.
      QByteArray events = bytesOf(out + "/DemoEvents.pc");
      QVERIFY(writeFileAtomic(ss(out + "/DemoEvents.pc"), ("// mine\r\n" + events).toStdString()));
      QPlainTextEdit* pane = d.panes[2];
      pane->moveCursor(QTextCursor::End);
      QTest::keyClicks(pane, "//new");
      u.asked.clear();
      u.answers = {kNo};  // the forms file, which has no base, keeps the plain question
      QTest::mouseClick(d.butSave, Qt::LeftButton);
      QCOMPARE(int(u.asked.size()), 4);  // and the library's warning
      QCOMPARE(u.asked[0].buttons, unsigned(kYes | kNo | kCancel));
      QCOMPARE(qs(u.asked[1].text), out + "/DemoEvents.pc was changed since it was generated. Merge your changes "
                                            "with the new code, replace the file, or keep it as it is?");
      QCOMPARE(u.asked[1].buttons, unsigned(kYes | kOk | kNo | kCancel));
      QCOMPARE(u.asked[1].defaultButton, kYes);
      QCOMPARE(qs(u.asked[3].text), QString("1 file was merged cleanly."));
      QCOMPARE(bytesOf(out + "/DemoEvents.pc"), "// mine\r\n" + events + "//new\r\n");
      QCOMPARE(bytesOf(out + "/DemoForms.pc"), QByteArray("old\r\n"));
    });
  }
};

QTEST_MAIN(GenerateTest)
#include "test_generate.moc"
