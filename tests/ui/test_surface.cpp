// The design surface driven with the mouse and the keys on real form windows, offscreen: selecting,
// moving and sizing, the context menu and the alignment tools, Delete, and the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include "UiTest.h"
#include "app/SideWindows.h"
#include "documents/Surface.h"
#include "model/ControlStream.h"
#include "model/PTDialog.h"
#include "ptoolbox/PTList.h"

using namespace tw;
using namespace tw::ui;
using namespace tw::ui::test;

namespace {

// Where a point of a control lies in its form window's client area.
QPoint at(const Control* c, int x = 1, int y = 1) {
  for (const Control* p = c; p; p = p->parent()) x += p->left(), y += p->top();
  return {x, y};
}

}  // namespace

class SurfaceTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  StartOptions start() { return startIn(dir_); }
  static FormWindow* window(MainWindow& w, int i = 0) { return formWindow(w, i); }
  static FormView* view(MainWindow& w, int i = 0) { return formWindow(w, i)->view(); }

  // The mouse as the window system delivers it: the buttons held and the keys down with each event.
  static void mouse(QWidget* v, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held,
                    Qt::KeyboardModifiers mods = {}) {
    QMouseEvent e(type, QPointF(p), v->mapToGlobal(QPointF(p)), button, held, mods);
    QApplication::sendEvent(v, &e);
  }
  static void hover(QWidget* v, QPoint p, Qt::KeyboardModifiers mods = {}) {
    mouse(v, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton, mods);
  }
  static void click(QWidget* v, QPoint p, Qt::KeyboardModifiers mods = {}, Qt::MouseButton b = Qt::LeftButton) {
    hover(v, p, mods);
    mouse(v, QEvent::MouseButtonPress, p, b, b, mods);
    mouse(v, QEvent::MouseButtonRelease, p, b, Qt::NoButton, mods);
  }
  // Hover at from, press, move to to (in two steps), release there.
  static void drag(QWidget* v, QPoint from, QPoint to, Qt::KeyboardModifiers hoverMods = {},
                   Qt::KeyboardModifiers dragMods = {}) {
    hover(v, from, hoverMods);
    mouse(v, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, dragMods);
    mouse(v, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton, dragMods);
    mouse(v, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, dragMods);
    mouse(v, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton, dragMods);
  }
  // Places a control of the palette at (x, y) of the screen, or of the shown dialog.
  static Control* place(MainWindow& w, Tool t, int x, int y, Control* in = nullptr) {
    w.paletteButton(t)->click();
    FormDocument& form = *w.designer().currentForm();
    Control* target = in ? in : &form.screen();
    click(w.windowOf(&form)->view(), at(target, x, y));
    return w.designer().selectedControl();
  }

 private slots:
  void init() { QFile::remove(dir_.path() + "/options.ini"); }

  void selectingAligningAndTheContextMenu() {
    User u;
    MainWindow w(start());
    w.show();
    newProject(w, u, 2);
    FormView* v = view(w);
    Control* a = place(w, Tool::Button, 30, 10);
    Control* b = place(w, Tool::Label, 50, 40);
    Control* c = place(w, Tool::CheckBox, 12, 70);
    const int aLeft = a->userLeft();

    click(v, at(a, 10, 5));
    click(v, at(b, 3, 3), Qt::ShiftModifier);
    click(v, at(c, 10, 5), Qt::ShiftModifier);
    QCOMPARE(w.designer().selectedControl(), c);

    // A right click keeps the marks and inspects the control under the pointer; the release opens
    // the context menu and the magnifier waits.
    const int heldBefore = w.zoom()->held;
    click(v, at(b, 3, 3), {}, Qt::RightButton);
    QCOMPARE(w.designer().selectedControl(), b);
    QVERIFY(a->selected && b->selected && c->selected);
    QMenu* menu = window(w)->surface()->popMenu();
    QVERIFY(menu->isVisible());
    QCOMPARE(w.zoom()->held, heldBefore + 1);
    QStringList items;
    for (QAction* act : menu->actions())
      items << (act->isSeparator() ? QString("-") : act->text()) + (act->isVisible() ? "" : " (hidden)");
    QCOMPARE(items, QStringList({"Align &Left", "Align &Right", "Align &Top", "Align &Bottom", "-", "Same &Widht",
                                 "Same &Height", "-", "Bring to &Front", "Send to &Back", "-", "&Delete control",
                                 "- (hidden)", "Grid (hidden)"}));
    window(w)->surface()->item("mnuALeft")->trigger();
    menu->hide();
    QCOMPARE(w.zoom()->held, heldBefore);
    QCOMPARE(a->userLeft(), aLeft);
    QCOMPARE(b->left(), aLeft);  // a label aligns by its panel
    QCOMPARE(c->userLeft(), aLeft);
    QCOMPARE(a->selectColor, kSelectBlue);
    QCOMPARE(b->selectColor, kSelectNavy);
    QCOMPARE(c->selectColor, kSelectNavy);
    int blue = 0, navy = 0;
    const QImage pic = view(w)->picture();
    for (int y = 0; y < pic.height(); ++y)
      for (int x = 0; x < pic.width(); ++x) {
        blue += pic.pixel(x, y) == qRgb(0, 0, 255);
        navy += pic.pixel(x, y) == qRgb(0, 0, 128);
      }
    QVERIFY(blue > 0 && navy > 0);

    // A plain click on B afterwards: B alone, in blue.
    click(v, at(b, 3, 3));
    QVERIFY(b->selected && !a->selected && !c->selected);
    QCOMPARE(b->selectColor, kSelectBlue);

    // The tool bar's Align Top runs the current form's item: B is the reference now.
    click(v, at(a, 10, 5), Qt::ShiftModifier);
    w.findChild<QToolButton*>("spbATop")->click();
    QCOMPARE(a->userTop(), b->top());  // a button's frame takes a label's panel top
    // Bring to front and send to back act on the inspected control.
    window(w)->surface()->item("mnuSendtoBack")->trigger();
    QCOMPARE(w.designer().currentForm()->screen().children().front().get(), a);
    window(w)->surface()->item("mnuBringtoFront")->trigger();
    QCOMPARE(w.designer().currentForm()->screen().children().back().get(), a);
  }

  void contextMenuActsOnTheControlUnderThePointer() {
    User u;
    MainWindow w(start());
    w.show();
    newProject(w, u, 2);
    FormView* v = view(w);
    FormDocument& form = *w.designer().currentForm();
    Control* button = place(w, Tool::Button, 10, 10);
    Control* label = place(w, Tool::Label, 10, 60);
    Control* other = place(w, Tool::CheckBox, 10, 100);
    const std::string buttonName = button->name();
    QCOMPARE(w.designer().selectedControl(), other);
    auto menuOn = [&](Control* c, const char* item) {
      click(v, at(c, 3, 3), {}, Qt::RightButton);
      QCOMPARE(w.designer().selectedControl(), c);
      window(w)->surface()->item(item)->trigger();
      window(w)->surface()->popMenu()->hide();
    };
    menuOn(button, "mnuBringtoFront");
    QCOMPARE(form.screen().children().back().get(), button);
    menuOn(other, "mnuSendtoBack");
    QCOMPARE(form.screen().children().front().get(), other);
    // The inspector shows the right-clicked control, and Delete removes it, not the one inspected before.
    click(v, at(label, 2, 2));
    menuOn(button, "mnuDelete");
    QVERIFY(!form.findComponent(buttonName));
    QCOMPARE(form.screen().children().size(), size_t(2));
  }

  void movingAndSizingWithTheMouse() {
    User u;
    MainWindow w(start());
    w.show();
    newProject(w, u, 2);
    FormView* v = view(w);
    Control* c = place(w, Tool::Edit, 0, 0);
    Control* other = place(w, Tool::Button, 100, 120);
    auto reset = [&] { c->setBounds(20, 30, 40, 20); };

    // Cursors by edge.
    reset();
    hover(v, at(c, 2, 10));
    QCOMPARE(v->cursor().shape(), Qt::SizeHorCursor);
    hover(v, at(c, 20, 19));
    QCOMPARE(v->cursor().shape(), Qt::SizeVerCursor);
    hover(v, at(c, 0, 0));
    QCOMPARE(v->cursor().shape(), Qt::SizeFDiagCursor);
    hover(v, at(c, 39, 0));
    QCOMPARE(v->cursor().shape(), Qt::SizeBDiagCursor);
    hover(v, at(c, 0, 0), Qt::ShiftModifier);
    QCOMPARE(v->cursor().shape(), Qt::ArrowCursor);
    hover(v, at(c, 20, 10));
    QCOMPARE(v->cursor().shape(), Qt::ArrowCursor);

    // The left edge dragged 10 pixels right: the right edge stays.
    drag(v, at(c, 2, 10), at(c, 12, 10));
    QCOMPARE(c->left(), 30);
    QCOMPARE(c->width(), 30);
    QCOMPARE(c->top(), 30);
    QCOMPARE(c->height(), 20);
    QCOMPARE(w.designer().selectedControl(), c);
    QVERIFY(c->selected);
    QVERIFY(!other->selected);

    // The top-left pixel sizes left and top together; with Shift on the hover the drag moves.
    reset();
    drag(v, at(c, 0, 0), at(c, -6, -4));
    QCOMPARE(QRect(c->left(), c->top(), c->width(), c->height()), QRect(14, 26, 46, 24));
    reset();
    drag(v, at(c, 0, 0), at(c, -6, -4), Qt::ShiftModifier);
    QCOMPARE(QRect(c->left(), c->top(), c->width(), c->height()), QRect(14, 26, 40, 20));

    // A move inside: the control may leave the screen, nothing clamps it.
    reset();
    drag(v, at(c, 20, 10), at(c, 20 + 150, 10));
    QCOMPARE(c->left(), 170);
    QCOMPARE(c->width(), 40);

    // Sizing a control of a multiple selection makes it the one selection.
    reset();
    click(v, at(other, 5, 5));
    drag(v, at(c, 39, 10), at(c, 45, 10), {}, Qt::ShiftModifier);
    QCOMPARE(c->width(), 46);
    QVERIFY(!other->selected);
    QCOMPARE(c->selectColor, kSelectBlue);

    // A list sized to 40 pixels high snaps to whole rows on release.
    auto* list = static_cast<TPTList*>(place(w, Tool::ListBox, 10, 110));
    QCOMPARE(list->height(), 25);
    drag(v, at(list, 10, list->height() - 1), at(list, 10, 39));
    QCOMPARE(list->maxItems(), 3);
    QCOMPARE(list->height(), 36);

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

  void deleteOnADialogAndPresses() {
    User u;
    MainWindow w(start());
    w.show();
    newProject(w, u, 2);
    FormView* v = view(w);
    FormDocument& form = *w.designer().currentForm();
    Control* loose = place(w, Tool::Button, 10, 10);
    Control* dialog = place(w, Tool::Dialog, 0, 0);
    QCOMPARE(static_cast<Control*>(form.shownDialog), dialog);
    Control* inner = place(w, Tool::Button, 10, 20, dialog);
    QCOMPARE(inner->parent(), dialog);

    // A press on a control of the dialog is the dialog's mover's: red, then maroon with Shift.
    click(v, at(inner, 5, 5));
    QCOMPARE(w.designer().selectedControl(), inner);
    QCOMPARE(inner->selectColor, kSelectRed);
    // The dialog's background: the dialog is selected, and dragging it moves it with its controls.
    const int top = dialog->top();
    drag(v, at(dialog, 60, 60), at(dialog, 60, 50));
    QCOMPARE(dialog->top(), top - 10);
    QCOMPARE(w.designer().selectedControl(), dialog);
    QVERIFY(dialog->selected && !inner->selected);

    // Delete removes the dialog with its controls, and the form forgets it was shown.
    QTest::keyClick(v, Qt::Key_Delete);
    QVERIFY(!form.shownDialog);
    QCOMPARE(int(form.screen().children().size()), 1);
    QVERIFY(w.designer().formInspected());
    QVERIFY(!window(w)->surface()->snap.dragging());
    // With the form itself inspected, Delete does nothing.
    QTest::keyClick(v, Qt::Key_Delete);
    QCOMPARE(int(form.screen().children().size()), 1);
    // The screen's background inspects the form; the face around the screen does nothing.
    click(v, at(loose, 5, 5));
    click(v, QPoint(1, 200));
    QCOMPARE(w.designer().selectedControl(), loose);
    click(v, at(&form.screen(), 100, 100));
    QVERIFY(w.designer().formInspected());
    QVERIFY(!loose->selected);
  }

  void menusTakeTheirPresses() {
    User u;
    MainWindow w(start());
    w.show();
    newProject(w, u, 1);
    FormView* v = view(w);
    FormDocument& form = *w.designer().currentForm();
    Control* under = place(w, Tool::Button, 20, 20);
    Control* menu = place(w, Tool::Menu, 0, 0);
    QVERIFY(menu && !menu->parent());
    // The inspector's list selects the menu; a click on the button elsewhere drops its marks.
    w.designer().showProperties(form, menu);
    w.designer().showSelection(false);
    QVERIFY(menu->selected);
    click(v, at(under, under->width() - 2, under->height() - 2));
    QVERIFY(!menu->selected);
    // A menu over the button takes the press; its release inspects it and clears the marks.
    QVERIFY(under->selected);
    const QPoint over = at(under, 3, 3);
    QVERIFY(menu->visible && hits(*menu, over.x(), over.y()));
    const QRect before(under->left(), under->top(), under->width(), under->height());
    drag(v, over, over + QPoint(10, 10));
    QCOMPARE(QRect(under->left(), under->top(), under->width(), under->height()), before);
    QCOMPARE(w.designer().selectedControl(), menu);
    QVERIFY(!under->selected);
  }

  void clipboardBetweenFormsAndIntoDialogs() {
    User u;
    MainWindow w(start());
    w.show();
    newProject(w, u, 2);
    FormView* v = view(w);
    FormDocument& one = *w.designer().currentForm();
    Control* button = place(w, Tool::Button, 20, 20);
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));

    // Copy, then paste twice: two new names, both over the copied control.
    click(v, at(button, 5, 5));
    QTest::keyClick(v, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QApplication::clipboard()->mimeData());
    QVERIFY(QApplication::clipboard()->mimeData()->hasFormat(kControlMimeType));
    QTest::keyClick(v, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(v, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(int(one.screen().children().size()), 3);
    Control* p1 = one.screen().children()[1].get();
    Control* p2 = one.screen().children()[2].get();
    QVERIFY(p1->name() != button->name() && p2->name() != p1->name() && p2->name() != button->name());
    QCOMPARE(QRect(p1->left(), p1->top(), p1->width(), p1->height()),
             QRect(button->left(), button->top(), button->width(), button->height()));
    QCOMPARE(p2->left(), button->left());
    QCOMPARE(w.designer().selectedControl(), p2);
    QVERIFY(p2->selected && !p1->selected);

    // Cut from one form, paste into another: its properties, a new name with the next number.
    click(v, at(p2, 5, 5));
    const int counter = w.designer().controlCounter;
    const int width = p2->width();
    QTest::keyClick(v, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(int(one.screen().children().size()), 2);
    QVERIFY(w.designer().formInspected());
    trigger(w, "mnuFileNewForm");
    FormDocument& two = *w.designer().currentForm();
    QVERIFY(&two != &one);
    trigger(w, "mnuEditPaste");
    QCOMPARE(int(two.screen().children().size()), 1);
    Control* moved = two.screen().children()[0].get();
    QCOMPARE(QString::fromStdString(moved->name()), QString("Button%1").arg(counter + 1));
    QCOMPARE(moved->width(), width);

    // With a dialog selected, paste puts the control inside it.
    Control* dialog = place(w, Tool::Dialog, 0, 0);
    QCOMPARE(w.designer().selectedControl(), dialog);
    trigger(w, "mnuEditPaste");
    QCOMPARE(int(dialog->children().size()), 1);
    QCOMPARE(dialog->children()[0]->left(), moved->left());

    // Anything else on the clipboard is not pasted.
    QApplication::clipboard()->setText("Button1");
    const int count = two.controlCount();
    trigger(w, "mnuEditPaste");
    QCOMPARE(two.controlCount(), count);
    QVERIFY(u.asked.empty());
  }
};

QTEST_MAIN(SurfaceTest)
#include "test_surface.moc"
