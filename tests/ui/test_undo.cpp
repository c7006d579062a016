// Undo and redo from the Edit menu, its tool buttons and its keys, offscreen: the steps a user takes
// with the mouse, the inspector and the context menu, taken back and done again.
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTableWidget>

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <deque>

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "UiTest.h"
#include "documents/FormWindow.h"
#include "documents/Surface.h"
#include "editors/ItemsEditor.h"
#include "editors/PropertiesEditor.h"
#include "ini/IniFile.h"
#include "model/FormFile.h"
#include "model/History.h"
#include "model/PTDialog.h"

using namespace tw;
using namespace tw::ui;
using namespace tw::ui::test;

namespace {

QPoint at(const Control* c, int x = 1, int y = 1) {
  for (const Control* p = c; p; p = p->parent()) x += p->left(), y += p->top();
  return {x, y};
}

void mouse(QWidget* v, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held,
           Qt::KeyboardModifiers mods = {}) {
  QMouseEvent e(type, QPointF(p), v->mapToGlobal(QPointF(p)), button, held, mods);
  QApplication::sendEvent(v, &e);
}

void click(QWidget* v, QPoint p, Qt::KeyboardModifiers mods = {}) {
  mouse(v, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton, mods);
  mouse(v, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton, mods);
  mouse(v, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton, mods);
}

void drag(QWidget* v, QPoint from, QPoint to) {
  mouse(v, QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
  mouse(v, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  for (int i = 1; i <= 4; ++i)
    mouse(v, QEvent::MouseMove, from + (to - from) * i / 4, Qt::NoButton, Qt::LeftButton);
  mouse(v, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

std::string fileText(const FormDocument& f) { return formToIni(f).serialize(); }

}  // namespace

class UndoTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

  static Control* place(MainWindow& w, Tool t, int x, int y) {
    w.paletteButton(t)->click();
    FormDocument& form = *w.designer().currentForm();
    click(w.windowOf(&form)->view(), at(&form.screen(), x, y));
    return w.designer().selectedControl();
  }
  static QAction* action(MainWindow& w, const char* name) { return w.findChild<QAction*>(name); }
  static void enter(PropertiesEditor& p, const char* row) {
    for (int r = 0; r < p.grid()->rowCount(); ++r)
      if (p.grid()->item(r, 0)->text() == row)
        QTest::mouseClick(p.grid()->viewport(), Qt::LeftButton, {}, p.grid()->visualItemRect(p.grid()->item(r, 1)).center());
  }
  static void show(MainWindow& w) {
    w.resize(1000, 760);
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
  }

 private slots:
  void init() { QFile::remove(dir_.path() + "/options.ini"); }

  void editMenuAndToolBar() {
    User u;
    MainWindow w({(dir_.path() + "/options.ini").toStdString(), TW_DATA_DIR});
    show(w);
    QMenu* edit = w.menuBar()->findChild<QMenu*>("mnuEdit");
    QStringList items;
    for (QAction* a : edit->actions()) items << (a->isSeparator() ? QString("-") : a->text());
    QCOMPARE(items, QStringList({"&Undo", "&Redo", "-", "Cu&t", "&Copy", "&Paste"}));
    QAction* undo = action(w, "mnuEditUndo");
    QAction* redo = action(w, "mnuEditRedo");
    QCOMPARE(undo->shortcut(), QKeySequence("Ctrl+Z"));
    QCOMPARE(redo->shortcuts(), QList<QKeySequence>({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
    auto* undoButton = w.findChild<QToolButton*>("spbUndo");
    auto* redoButton = w.findChild<QToolButton*>("spbRedo");
    QVERIFY(undoButton && redoButton);
    QCOMPARE(undoButton->defaultAction(), undo);
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());

    // The items follow the current form's history.
    newProject(w, u, 2);
    place(w, Tool::Button, 20, 20);
    QCOMPARE(undo->text(), QString("&Undo Place Button"));
    QVERIFY(undo->isEnabled() && undoButton->isEnabled());
    trigger(w, "mnuFileNewForm");
    QVERIFY(!undo->isEnabled());
    FormDocument& first = *w.designer().forms().at(0);
    w.formActivated(first);
    QVERIFY(undo->isEnabled());
    undoButton->click();
    QCOMPARE(first.controlCount(), 0);
    QCOMPARE(redo->text(), QString("&Redo Place Button"));
    QVERIFY(!undo->isEnabled() && redo->isEnabled());

    // A closed form keeps its history but offers nothing while it is closed; close-all forgets it.
    u.answers = {kNo};
    w.windowOf(&first)->close();
    QVERIFY(!first.visible);
    QVERIFY(!redo->isEnabled());
    QVERIFY(first.history().canRedo());
    u.answers = {kNo};
    trigger(w, "mnuFileCloseAll");
    QVERIFY(w.designer().forms().empty());
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
  }

  void stepsUndoneAndRedone() {
    User u;
    MainWindow w({(dir_.path() + "/options.ini").toStdString(), TW_DATA_DIR});
    show(w);
    newProject(w, u, 2);
    FormDocument& form = *w.designer().currentForm();
    FormView* v = w.windowOf(&form)->view();
    QAction* undo = action(w, "mnuEditUndo");
    const std::string empty = fileText(form);

    Control* a = place(w, Tool::Button, 30, 10);
    Control* b = place(w, Tool::Label, 50, 50);
    const int bLeft = b->left();
    drag(v, at(b, 4, 4), at(b, 24, 14));
    QCOMPARE(b->left(), bLeft + 20);
    QCOMPARE(undo->text(), QString("&Undo Move"));

    // Typing into Left is one step, however many keys it takes.
    PropertiesEditor& p = *w.inspector();
    enter(p, "Left");
    auto* ed = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(ed && ed->objectName() == "cellEditor");
    ed->selectAll();
    const size_t before = form.history().undoCount();
    QTest::keyClicks(ed, "44");
    QCOMPARE(b->left(), 44);
    QCOMPARE(form.history().undoCount(), before + 1);
    QCOMPARE(undo->text(), QString("&Undo Change Left"));

    // Align the two, then delete the label.
    click(v, at(a, 10, 5));
    click(v, at(b, 3, 3), Qt::ShiftModifier);
    w.windowOf(&form)->surface()->item("mnuALeft")->trigger();
    QCOMPARE(undo->text(), QString("&Undo Align Left"));
    v->setFocus();
    QTest::keyClick(v, Qt::Key_Delete);
    QCOMPARE(undo->text(), QString("&Undo Delete"));
    QCOMPARE(form.controlCount(), 1);

    const std::string done = fileText(form);
    QCOMPARE(int(form.history().undoCount()), 6);
    for (int i = 0; i < 6; ++i) QTest::keyClick(v, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fileText(form), empty);
    QVERIFY(w.designer().formInspected());
    QCOMPARE(p.list()->count(), 1);  // the control list holds only the form
    QVERIFY(!undo->isEnabled());

    for (int i = 0; i < 3; ++i) QTest::keyClick(v, Qt::Key_Y, Qt::ControlModifier);
    for (int i = 0; i < 3; ++i) QTest::keyClick(v, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(fileText(form), done);
    QCOMPARE(undo->text(), QString("&Undo Delete"));
    QVERIFY(!action(w, "mnuEditRedo")->isEnabled());
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
    User u;
    MainWindow w({(dir_.path() + "/options.ini").toStdString(), TW_DATA_DIR});
    show(w);
    newProject(w, u, 2);
    FormDocument& form = *w.designer().currentForm();
    PropertiesEditor& p = *w.inspector();
    QAction* undo = action(w, "mnuEditUndo");
    Control* dialog = place(w, Tool::Dialog, 0, 0);
    QCOMPARE(form.shownDialog, dialog);
    const std::string dialogName = dialog->name();  // undo rebuilds the controls: keep names, not pointers

    // The dialog's Test switch, picked from its choices, is a step: undone, the dialog shows again.
    enter(p, "Test");
    QVERIFY(p.cmbBoolean->isVisible());
    const int no = p.cmbBoolean->findText("No");
    p.cmbBoolean->setCurrentIndex(no);
    emit p.cmbBoolean->activated(no);
    QVERIFY(!form.shownDialog);
    QCOMPARE(undo->text(), QString("&Undo Change Test"));
    undo->trigger();
    QCOMPARE(form.shownDialog, form.findComponent(dialogName));
    QVERIFY(form.shownDialog->visible);

    // The items editor's OK is one step.
    const std::string listName = place(w, Tool::ListBox, 20, 20)->name();
    const std::string listed = fileText(form);
    enter(p, "Items");
    QVERIFY(p.cmbItems->isVisible());
    u.dialog = [](QDialog& d) {
      if (auto* items = qobject_cast<ItemsEditor*>(&d)) items->memItems->setPlainText("North\nSouth\nEast");
      return int(QDialog::Accepted);
    };
    QVERIFY(u.answered([&] { p.cmbItems->button->click(); }));
    QCOMPARE(undo->text(), QString("&Undo Edit Items"));
    const std::string edited = fileText(form);
    QVERIFY(edited != listed);
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
