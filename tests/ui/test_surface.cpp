// The design surface driven with the mouse and the keys on real form windows, offscreen: selecting,
// moving and sizing, the context menu and the alignment tools, Delete, the clipboard, and undo and
// redo from the Edit menu, its tool buttons and its keys. Where the controls end up is the core's
// business; these check that the gestures reach it.
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRubberBand>

#include "UiTest.h"
#include "app/SideWindows.h"
#include "documents/Surface.h"
#include "editors/ItemsEditor.h"
#include "model/ControlStream.h"
#include "model/FormFile.h"
#include "model/History.h"
#include "model/PTDialog.h"

using namespace tw::ui::test;

class SurfaceTest : public Case {
  Q_OBJECT

  static FormView* view(MainWindow& w) { return formWindow(w)->view(); }
  static Surface* surface(MainWindow& w) { return formWindow(w)->surface(); }
  static QAction* action(MainWindow& w, const char* name) { return w.findChild<QAction*>(name); }
  static std::string fileText(const FormDocument& f) { return formToIni(f).serialize(); }

 private slots:
  void init() { forgetOptions(); }

  void selectingAligningAndTheContextMenu() {
    Session session(start(), 2);
    auto& [u, w] = session;
    FormView* v = view(w);
    FormDocument& form = *w.designer().currentForm();
    Control* a = place(w, Tool::Button, 30, 10);
    Control* b = place(w, Tool::Label, 50, 40);
    Control* c = place(w, Tool::CheckBox, 12, 70);
    click(v, at(a, 10, 5));
    click(v, at(b, 3, 3), Qt::ShiftModifier);
    click(v, at(c, 10, 5), Qt::ShiftModifier);
    QCOMPARE(w.designer().selectedControl(), c);

    // A right click keeps the marks and inspects the control under the pointer; the release opens
    // the context menu and the magnifier waits while it is open.
    const int heldBefore = w.zoom()->held;
    click(v, at(b, 3, 3), {}, Qt::RightButton);
    QCOMPARE(w.designer().selectedControl(), b);
    QVERIFY(a->selected && b->selected && c->selected);
    QVERIFY(surface(w)->popMenu()->isVisible());
    QCOMPARE(w.zoom()->held, heldBefore + 1);
    const QImage before = v->picture();
    surface(w)->item("mnuALeft")->trigger();
    surface(w)->popMenu()->hide();
    QCOMPARE(w.zoom()->held, heldBefore);
    QCOMPARE(c->userLeft(), a->userLeft());
    QVERIFY(v->picture() != before);

    // The context menu acts on the control under the pointer, not on the one inspected before.
    auto menuOn = [&](Control* on, const char* item) {
      click(v, at(on, 3, 3), {}, Qt::RightButton);
      QCOMPARE(w.designer().selectedControl(), on);
      surface(w)->item(item)->trigger();
      surface(w)->popMenu()->hide();
    };
    menuOn(a, "mnuBringtoFront");
    QCOMPARE(form.screen().children().back().get(), a);
    menuOn(c, "mnuSendtoBack");
    QCOMPARE(form.screen().children().front().get(), c);
    const std::string cName = c->name();
    click(v, at(b, 2, 2));
    menuOn(c, "mnuDelete");
    QVERIFY(!form.findComponent(cName));
    QCOMPARE(form.screen().children().size(), size_t(2));

    // The tool bar's Align Top runs the current form's item.
    click(v, at(b, 3, 3));
    click(v, at(a, 10, 5), Qt::ShiftModifier);
    w.findChild<QToolButton*>("spbATop")->click();
    QCOMPARE(a->userTop(), b->top());  // a button's frame takes a label's panel top
  }

  void movingAndSizingWithTheMouse() {
    Session session(start(), 2);
    auto& [u, w] = session;
    FormView* v = view(w);
    Control* c = place(w, Tool::Edit, 0, 0);
    Control* other = place(w, Tool::Button, 100, 120);
    auto reset = [&] { c->setBounds(20, 30, 40, 20); };

    reset();
    const std::pair<QPoint, Qt::CursorShape> cursors[] = {
        {{2, 10}, Qt::SizeHorCursor}, {{20, 19}, Qt::SizeVerCursor}, {{0, 0}, Qt::SizeFDiagCursor},
        {{39, 0}, Qt::SizeBDiagCursor}, {{20, 10}, Qt::ArrowCursor}};
    for (auto [p, shape] : cursors) {
      hover(v, at(c, p.x(), p.y()));
      QCOMPARE(v->cursor().shape(), shape);
    }
    hover(v, at(c, 0, 0), Qt::ShiftModifier);
    QCOMPARE(v->cursor().shape(), Qt::ArrowCursor);

    // The top-left pixel sizes left and top together; with Shift on the hover the drag moves.
    drag(v, at(c, 0, 0), at(c, -6, -4));
    QCOMPARE(QRect(c->left(), c->top(), c->width(), c->height()), QRect(14, 26, 46, 24));
    QCOMPARE(w.designer().selectedControl(), c);
    QVERIFY(c->selected && !other->selected);
    reset();
    drag(v, at(c, 0, 0), at(c, -6, -4), Qt::ShiftModifier);
    QCOMPARE(QRect(c->left(), c->top(), c->width(), c->height()), QRect(14, 26, 40, 20));

    // Sizing a control of a multiple selection makes it the one selection.
    reset();
    click(v, at(other, 5, 5));
    drag(v, at(c, 39, 10), at(c, 45, 10), {}, Qt::ShiftModifier);
    QCOMPARE(c->width(), 46);
    QVERIFY(!other->selected);

    // A double click is a press like any other; the drag ends at its release.
    const int left = other->left();
    click(v, at(other, 5, 5));
    mouse(v, QEvent::MouseButtonDblClick, at(other, 5, 5), Qt::LeftButton, Qt::LeftButton);
    mouse(v, QEvent::MouseMove, at(other, 25, 5), Qt::NoButton, Qt::LeftButton);
    mouse(v, QEvent::MouseButtonRelease, at(other, 25, 5), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(other->left(), left + 20);
    hover(v, at(other, 45, 5));
    QCOMPARE(other->left(), left + 20);
  }

  void deleteOnADialogAndMenusTakeTheirPresses() {
    Session session(start(), 2);
    auto& [u, w] = session;
    FormView* v = view(w);
    FormDocument& form = *w.designer().currentForm();
    Control* loose = place(w, Tool::Button, 10, 10);
    Control* dialog = place(w, Tool::Dialog, 0, 0);
    Control* inner = place(w, Tool::Button, 10, 20, dialog);
    QCOMPARE(inner->parent(), dialog);
    click(v, at(inner, 5, 5));
    QCOMPARE(w.designer().selectedControl(), inner);
    // Dragging the dialog's title bar moves the dialog; a drag below it draws a band.
    const int top = dialog->top();
    drag(v, at(dialog, 60, 5), at(dialog, 60, -5));
    QCOMPARE(dialog->top(), top - 10);
    drag(v, at(dialog, 8, 60), at(inner, 2, 2));
    QCOMPARE(dialog->top(), top - 10);
    QCOMPARE(w.designer().selectedControl(), inner);
    click(v, at(dialog, 60, 60));
    QCOMPARE(w.designer().selectedControl(), dialog);

    // Delete removes the dialog with its controls, and the form forgets it was shown.
    QTest::keyClick(v, Qt::Key_Delete);
    QVERIFY(!form.shownDialog);
    QCOMPARE(int(form.screen().children().size()), 1);
    QVERIFY(w.designer().formInspected());
    QVERIFY(!surface(w)->snap.dragging());
    QTest::keyClick(v, Qt::Key_Delete);  // the form itself is not deleted
    QCOMPARE(int(form.screen().children().size()), 1);
    // The face around the screen does nothing; the screen's background inspects the form.
    click(v, at(loose, 5, 5));
    click(v, QPoint(1, 200));
    QCOMPARE(w.designer().selectedControl(), loose);
    click(v, at(&form.screen(), 100, 100));
    QVERIFY(w.designer().formInspected());

    // A CControls menu over a button takes the press: its release inspects the menu.
    u.answers = {kNo};  // the first project's changes
    newProject(w, u, 1);
    v = view(w);
    Control* under = place(w, Tool::Button, 20, 20);
    Control* menu = place(w, Tool::Menu, 0, 0);
    click(v, at(under, under->width() - 2, under->height() - 2));
    QVERIFY(under->selected);
    const QPoint over = at(under, 3, 3);
    QVERIFY(menu->visible && hits(*menu, over.x(), over.y()));
    const QRect was(under->left(), under->top(), under->width(), under->height());
    drag(v, over, over + QPoint(10, 10));
    QCOMPARE(QRect(under->left(), under->top(), under->width(), under->height()), was);
    QCOMPARE(w.designer().selectedControl(), menu);
    QVERIFY(!under->selected);
  }

  void rubberBandSelectAllDeleteAndArrowKeys() {
    Session session(start(), 2);
    auto& [u, w] = session;
    FormView* v = view(w);
    FormDocument& form = *w.designer().currentForm();
    Control* a = place(w, Tool::Button, 10, 20);
    Control* b = place(w, Tool::Label, 60, 24);
    Control* c = place(w, Tool::CheckBox, 100, 20);
    place(w, Tool::Button, 10, 120);
    auto selected = [&] { return w.designer().selection(form); };
    // From the background, up and to the left, over the three but not the fourth.
    drag(v, at(&form.screen(), 150, 40), at(&form.screen(), 12, 22));
    QCOMPARE(selected(), (std::vector<Control*>{a, b, c}));
    if (auto* band = v->findChild<QRubberBand*>()) QVERIFY(!band->isVisible());

    // Arrows move all three, a burst of them one step; Shift takes larger steps, Ctrl sizes.
    const size_t steps = form.history().undoCount();
    const int aLeft = a->left(), cTop = c->top(), bWidth = b->width();
    for (int i = 0; i < 3; ++i) QTest::keyClick(v, Qt::Key_Right);
    QTest::keyClick(v, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(a->left(), aLeft + 3);
    QCOMPARE(c->top(), cTop + kCoarseNudge);
    QCOMPARE(form.history().undoCount(), steps + 1);
    QTest::keyClick(v, Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(b->width(), bWidth + 1);
    QCOMPARE(form.history().undoCount(), steps + 2);

    // Delete removes the three as one step; undo gives them back.
    QTest::keyClick(v, Qt::Key_Delete);
    QCOMPARE(int(form.screen().children().size()), 1);
    QCOMPARE(form.history().undoCount(), steps + 3);
    trigger(w, "mnuEditUndo");
    QCOMPARE(int(form.screen().children().size()), 4);

    // A Shift band adds to the selection, and Select All takes every control.
    click(v, at(form.screen().children()[0].get(), 3, 3));
    drag(v, at(&form.screen(), 5, 110), at(&form.screen(), 40, 140), Qt::ShiftModifier, Qt::ShiftModifier);
    QCOMPARE(selected().size(), size_t(2));
    trigger(w, "mnuEditSelectAll");
    QCOMPARE(selected().size(), size_t(4));
  }

  void clipboardBetweenFormsAndIntoDialogs() {
    Session session(start(), 2);
    auto& [u, w] = session;
    FormView* v = view(w);
    FormDocument& one = *w.designer().currentForm();
    Control* button = place(w, Tool::Button, 20, 20);

    // The keys copy and paste through the system clipboard.
    click(v, at(button, 5, 5));
    QTest::keyClick(v, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QApplication::clipboard()->mimeData()->hasFormat(kControlMimeType));
    QTest::keyClick(v, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(int(one.screen().children().size()), 2);
    Control* pasted = one.screen().children()[1].get();
    QVERIFY(pasted->name() != button->name());
    QCOMPARE(w.designer().selectedControl(), pasted);

    // Cut from one form, paste into another; with a dialog selected, into the dialog.
    QTest::keyClick(v, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(int(one.screen().children().size()), 1);
    trigger(w, "mnuFileNewForm");
    FormDocument& two = *w.designer().currentForm();
    trigger(w, "mnuEditPaste");
    QCOMPARE(int(two.screen().children().size()), 1);
    Control* dialog = place(w, Tool::Dialog, 0, 0);
    trigger(w, "mnuEditPaste");
    QCOMPARE(int(dialog->children().size()), 1);

    // Anything else on the clipboard is not pasted.
    QApplication::clipboard()->setText("Button1");
    const int count = two.controlCount();
    trigger(w, "mnuEditPaste");
    QCOMPARE(two.controlCount(), count);
    QVERIFY(u.asked.empty());
  }

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
    QLineEdit* ed = retype(p, "Left");
    QVERIFY(ed);
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

QTEST_MAIN(SurfaceTest)
#include "test_surface.moc"
