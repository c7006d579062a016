// Undo and redo from the Edit menu, its tool buttons and its keys, offscreen: the steps a user takes
// with the mouse, the inspector and the context menu, taken back and done again.
#include <QPlainTextEdit>

#include "UiTest.h"
#include "documents/Surface.h"
#include "editors/ItemsEditor.h"
#include "model/FormFile.h"
#include "model/History.h"
#include "model/PTDialog.h"

using namespace tw;
using namespace tw::ui;
using namespace tw::ui::test;

namespace {

std::string fileText(const FormDocument& f) { return formToIni(f).serialize(); }

}  // namespace

class UndoTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  StartOptions start() { return startIn(dir_); }
  static QAction* action(MainWindow& w, const char* name) { return w.findChild<QAction*>(name); }

 private slots:
  void init() { QFile::remove(dir_.path() + "/options.ini"); }

  void theItemsFollowTheCurrentFormsHistory() {
    Session session(start());
    auto& [u, w] = session;
    QAction* undo = action(w, "mnuEditUndo");
    QAction* redo = action(w, "mnuEditRedo");
    auto* undoButton = w.findChild<QToolButton*>("spbUndo");
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    newProject(w, u, 2);
    place(w, Tool::Button, 20, 20);
    QCOMPARE(undo->text(), QString("&Undo Place Button"));
    QVERIFY(undoButton->isEnabled());
    trigger(w, "mnuFileNewForm");
    QVERIFY(!undo->isEnabled());
    FormDocument& first = *w.designer().forms().at(0);
    w.formActivated(first);
    undoButton->click();
    QCOMPARE(first.controlCount(), 0);
    QCOMPARE(redo->text(), QString("&Redo Place Button"));
    QVERIFY(!undo->isEnabled() && redo->isEnabled());

    // A closed form keeps its history but offers nothing while it is closed; close-all forgets it.
    u.answers = {kNo};
    w.windowOf(&first)->close();
    QVERIFY(!redo->isEnabled());
    QVERIFY(first.history().canRedo());
    u.answers = {kNo};
    trigger(w, "mnuFileCloseAll");
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
  }

  void stepsUndoneAndRedone() {
    Session session(start(), 2);
    auto& [u, w] = session;
    FormDocument& form = *w.designer().currentForm();
    FormView* v = w.windowOf(&form)->view();
    QAction* undo = action(w, "mnuEditUndo");
    const std::string empty = fileText(form);

    Control* a = place(w, Tool::Button, 30, 10);
    Control* b = place(w, Tool::Label, 50, 50);
    drag(v, at(b, 4, 4), at(b, 24, 14));
    QCOMPARE(undo->text(), QString("&Undo Move"));

    // Typing into Left is one step, however many keys it takes.
    PropertiesEditor& p = *w.inspector();
    enter(p, "Left");
    QLineEdit* ed = cellEditor(p);
    QVERIFY(ed);
    ed->selectAll();
    const size_t before = form.history().undoCount();
    QTest::keyClicks(ed, "44");
    QCOMPARE(b->left(), 44);
    QCOMPARE(form.history().undoCount(), before + 1);

    click(v, at(a, 10, 5));
    click(v, at(b, 3, 3), Qt::ShiftModifier);
    w.windowOf(&form)->surface()->item("mnuALeft")->trigger();
    QCOMPARE(undo->text(), QString("&Undo Align Left"));
    click(v, at(b, 3, 3));
    v->setFocus();
    QTest::keyClick(v, Qt::Key_Delete);
    QCOMPARE(undo->text(), QString("&Undo Delete"));

    const std::string done = fileText(form);
    QCOMPARE(int(form.history().undoCount()), 6);
    for (int i = 0; i < 6; ++i) QTest::keyClick(v, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fileText(form), empty);
    QCOMPARE(p.list()->count(), 1);  // the control list holds only the form
    for (int i = 0; i < 3; ++i) QTest::keyClick(v, Qt::Key_Y, Qt::ControlModifier);
    for (int i = 0; i < 3; ++i) QTest::keyClick(v, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(fileText(form), done);
    // The inspector shows the restored controls, and the surface drags them.
    Control* button = form.findComponent("Button1");
    QVERIFY(button);
    QCOMPARE(p.list()->count(), 2);
    const int left = button->left();
    drag(v, at(button, 4, 4), at(button, 12, 4));
    QCOMPARE(button->left(), left + 8);
    QVERIFY(u.asked.empty());
  }

  void choicesAndTheItemsEditor() {
    Session session(start(), 2);
    auto& [u, w] = session;
    FormDocument& form = *w.designer().currentForm();
    PropertiesEditor& p = *w.inspector();
    QAction* undo = action(w, "mnuEditUndo");
    const std::string dialogName = place(w, Tool::Dialog, 0, 0)->name();  // undo rebuilds: keep names

    // The dialog's Test switch, picked from its choices, is a step: undone, the dialog shows again.
    enter(p, "Test");
    const int no = p.cmbBoolean->findText("No");
    p.cmbBoolean->setCurrentIndex(no);
    emit p.cmbBoolean->activated(no);
    QVERIFY(!form.shownDialog);
    undo->trigger();
    QCOMPARE(form.shownDialog, form.findComponent(dialogName));

    // The items editor's OK is one step.
    const std::string listName = place(w, Tool::ListBox, 20, 20)->name();
    const std::string listed = fileText(form);
    enter(p, "Items");
    u.dialog = [](QDialog& d) {
      if (auto* items = qobject_cast<ItemsEditor*>(&d)) items->memItems->setPlainText("North\nSouth\nEast");
      return int(QDialog::Accepted);
    };
    QVERIFY(u.answered([&] { p.cmbItems->button->click(); }));
    QCOMPARE(undo->text(), QString("&Undo Edit Items"));
    const std::string edited = fileText(form);
    undo->trigger();
    QCOMPARE(fileText(form), listed);
    QCOMPARE(w.designer().selectedControl(), form.findComponent(listName));
    action(w, "mnuEditRedo")->trigger();
    QCOMPARE(fileText(form), edited);
    QVERIFY(u.asked.empty());
  }
};

QTEST_MAIN(UndoTest)
#include "test_undo.moc"
