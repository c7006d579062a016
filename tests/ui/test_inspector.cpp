// The Properties Editor driven as a user drives it, offscreen: typing into value cells, the choice
// editor and its keys, the control list, the items and bitmap editors, and the Problems window that
// follows the edits. Message boxes and modal dialogs are answered through the ui's hooks.
#include <QLabel>
#include <QPlainTextEdit>

#include "UiScript.h"
#include "app/SideWindows.h"
#include "editors/BitmapEditor.h"
#include "editors/ItemsEditor.h"

using namespace tw::ui::test;

namespace {

// Presses a dialog's button and gives the result it closed with.
int press(QDialog& d, QPushButton* b) {
  b->click();
  return d.result();
}

}  // namespace

class InspectorTest : public Case {
  Q_OBJECT

 private slots:
  // Typing into the cells, the choice editor and its keys, the control list, the Problems window.
  void scripts_data() { Script::rows("ui-inspector.txt"); }
  void scripts() {
    QFETCH(QString, name);
    Script("ui-inspector.txt", name).run();
  }

  void itemsEditorOkAndCancel() {
    Session session(start(), 1);
    auto& [u, w] = session;
    Control* list = place(w, Tool::ListBox, 10, 10);
    QVERIFY(w.designer().setItems({"One", "Two", "Three"}));
    w.changed();
    PropertiesEditor& p = *w.inspector();
    enter(p, "Items");
    QVERIFY(p.cmbItems->isVisible());
    QCOMPARE(p.cmbItems->text->text(), QString("(Items)"));
    QVERIFY(p.cmbItems->text->hasFocus());
    QTest::keyClick(p.cmbItems->text, Qt::Key_X);  // no typing
    QCOMPARE(p.cmbItems->text->text(), QString("(Items)"));

    auto items = [&] { return std::get<std::vector<std::string>>(list->property("Items")->get(*list)); };
    int held = -1;
    u.dialog = [&](QDialog& d) {
      auto& ed = dynamic_cast<ItemsEditor&>(d);
      held = w.zoom()->held;
      [&] {
        QCOMPARE(ed.memItems->toPlainText(), QString("One\nTwo\nThree"));
        QCOMPARE(ed.lblLineas->text(), QString("3 items"));
        ed.memItems->setPlainText("One\n\nThree\n");
        QCOMPARE(ed.lblLineas->text(), QString("3 items"));
      }();
      return press(d, ed.BitBtn2);
    };
    QVERIFY(u.answered([&] { QTest::keyClick(p.cmbItems->text, Qt::Key_Return, Qt::ControlModifier); }));
    QCOMPARE(held, 1);  // the magnifier waits while the editor is open
    QCOMPARE(w.zoom()->held, 0);
    QCOMPARE(items(), (std::vector<std::string>{"One", "", "Three"}));

    u.dialog = [&](QDialog& d) {
      auto& ed = dynamic_cast<ItemsEditor&>(d);
      ed.memItems->setPlainText("");
      [&] { QCOMPARE(ed.lblLineas->text(), QString("0 items")); }();
      return press(d, ed.BitBtn1);
    };
    enter(p, "Items");
    QVERIFY(u.answered([&] { p.cmbItems->button->click(); }));
    QCOMPARE(items(), (std::vector<std::string>{"One", "", "Three"}));
    // A line that a form file cannot keep: the editor stays open with that line selected.
    bool stayed = false;
    QString selected;
    u.dialog = [&](QDialog& d) {
      auto& ed = dynamic_cast<ItemsEditor&>(d);
      ed.memItems->setPlainText(QString::fromUtf8("One\nT\xE2\x82\xAC\xF0\x9F\x98\x80o\nThree"));
      ed.BitBtn2->click();
      stayed = ed.isVisible();
      selected = ed.memItems->textCursor().selectedText();
      ed.memItems->setPlainText("Four");
      return press(d, ed.BitBtn2);
    };
    u.asked.clear();
    enter(p, "Items");
    QVERIFY(u.answered([&] { p.cmbItems->button->click(); }));
    QVERIFY(stayed);
    QCOMPARE(selected, QString::fromUtf8("T\xE2\x82\xAC\xF0\x9F\x98\x80o"));
    QTRY_COMPARE(int(u.asked.size()), 1);
    QCOMPARE(items(), std::vector<std::string>{"Four"});
    // Enter hands the focus back to the grid.
    enter(p, "Items");
    QTest::keyClick(p.cmbItems->text, Qt::Key_Return);
    QVERIFY(!p.cmbItems->isVisible());
    QVERIFY(p.grid()->hasFocus());
  }

  void bitmapEditor() {
    Session session(start(), 1);
    auto& [u, w] = session;
    Control* bmp = place(w, Tool::Bitmap, 10, 10);
    PropertiesEditor& p = *w.inspector();
    auto bits = [&] { return std::get<std::string>(bmp->property("StringBits")->get(*bmp)); };
    // An empty picture of the size given, then the editor opened from its cell and run.
    auto open = [&](const char* width, const char* height, std::function<int(BitmapEditor&)> run) {
      if (width) {
        QVERIFY(w.designer().setValue("Width", width) && w.designer().setValue("Height", height));
        bmp->property("StringBits")->set(*bmp, PropValue(std::string()));
        w.changed();
      }
      u.dialog = [&, run](QDialog& d) { return run(dynamic_cast<BitmapEditor&>(d)); };
      enter(p, "Bitmap");
      QVERIFY(p.cmbBitmap->isVisible());
      QCOMPARE(p.cmbBitmap->text->text(), QString("(Bitmap)"));
      QVERIFY(u.answered([&] { p.cmbBitmap->button->click(); }));
    };
    using Cell = std::pair<int, int>;
    auto cell = [](BitmapEditor& ed, QEvent::Type type, Cell c, Qt::MouseButton b, Qt::MouseButtons held,
                   Qt::KeyboardModifiers mods = {}) {
      mouse(ed.stgBits, type, BitGrid::cellCentre(c.first, c.second), b, held, mods);
    };

    // Black, white, black, white, black in five pixels: 1010 and 1 padded to 1000.
    int held = -1;
    open("5", "1", [&](BitmapEditor& ed) {
      held = w.zoom()->held;
      for (Cell c : {Cell{0, 0}, Cell{2, 0}, Cell{4, 0}, Cell{1, 0}, Cell{1, 0}}) {
        const Qt::MouseButton b = c.first == 2 ? Qt::RightButton : Qt::LeftButton;  // any button inverts
        QTest::mouseClick(ed.stgBits, b, {}, BitGrid::cellCentre(c.first, c.second));
      }
      return press(ed, ed.butOk);
    });
    QCOMPARE(held, 1);
    QCOMPARE(bits(), std::string("a8"));

    // Dragging sets black, with Shift white; Clear asks first; Cancel changes nothing.
    open("8", "8", [&](BitmapEditor& ed) {
      cell(ed, QEvent::MouseButtonPress, {0, 0}, Qt::LeftButton, Qt::LeftButton);
      cell(ed, QEvent::MouseMove, {0, 0}, Qt::NoButton, Qt::LeftButton);  // still in the pressed cell: it stays inverted
      cell(ed, QEvent::MouseMove, {1, 0}, Qt::NoButton, Qt::LeftButton);
      cell(ed, QEvent::MouseMove, {2, 0}, Qt::NoButton, Qt::LeftButton);
      cell(ed, QEvent::MouseMove, {1, 0}, Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
      cell(ed, QEvent::MouseButtonRelease, {1, 0}, Qt::LeftButton, Qt::NoButton);
      [&] { QVERIFY(ed.bits().at(0, 0) && !ed.bits().at(1, 0) && ed.bits().at(2, 0)); }();
      return press(ed, ed.butOk);
    });
    QCOMPARE(bits(), std::string("a0000000000000" "00"));
    u.answers = {kNo, kYes};
    open(nullptr, nullptr, [&](BitmapEditor& ed) {
      ed.butCrear->click();  // No: nothing cleared
      [&] { QVERIFY(ed.bits().at(0, 0)); }();
      ed.butCrear->click();
      [&] { QVERIFY(!ed.bits().at(0, 0) && !ed.bits().at(2, 0)); }();
      return press(ed, ed.butCancel);
    });
    QCOMPARE(int(u.asked.size()), 2);
    QCOMPARE(qs(u.asked[0].text), QString("This operation erases the bitmap. Are you sure?"));
    QCOMPARE(bits(), std::string("a0000000000000" "00"));

    open("20", "20", [&](BitmapEditor& ed) { return press(ed, ed.butOk); });
    QCOMPARE(bits(), std::string(100, '0'));  // an empty picture is written at full length
  }
};

QTEST_MAIN(InspectorTest)
#include "test_inspector.moc"
