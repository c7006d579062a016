// The Problems window following the user's edits, and taking them to a problem's control.
#include <QLineEdit>
#include <QTreeWidget>

#include "UiTest.h"
#include "app/ProblemsWindow.h"
#include "editors/PropertiesEditor.h"

using namespace tw;
using namespace tw::ui;
using namespace tw::ui::test;

class ProblemsTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

  static QStringList rows(ProblemsWindow& p) {
    QStringList out;
    for (int i = 0; i < p.list()->topLevelItemCount(); ++i) {
      QTreeWidgetItem* item = p.list()->topLevelItem(i);
      out << item->text(1) + " " + item->text(2);
    }
    return out;
  }
  // The value cell of an inspector row, entered as the user enters it, its text selected.
  static QLineEdit* edit(PropertiesEditor& e, const char* row) {
    QTableWidget* g = e.grid();
    for (int r = 0; r < g->rowCount(); ++r)
      if (g->item(r, 0)->text() == row)
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualItemRect(g->item(r, 1)).center());
    auto* ed = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (ed) ed->selectAll();
    return ed;
  }

 private slots:
  void followsTheEditsAndGoesToTheControl() {
    User u;
    MainWindow w(startIn(dir_));
    show(w);
    newProject(w, u, 1);
    trigger(w, "mnuViewProblems");
    ProblemsWindow& p = *w.problems();
    QVERIFY(p.isVisible());
    Control* b = place(w, Tool::Button, 20, 30);
    Control* other = place(w, Tool::Button, 20, 80);
    QTest::qWait(2 * ProblemsWindow::kDelayMs);
    QCOMPARE(rows(p), QStringList());

    // Three keystrokes, each applied as typed, give one check, and the list follows the last.
    w.designer().select(*w.designer().currentForm(), *b, false);
    w.changed();
    QLineEdit* ed = edit(*w.inspector(), "Left");
    QVERIFY(ed);
    QTest::qWait(2 * ProblemsWindow::kDelayMs);
    const int before = p.checks();
    QTest::keyClicks(ed, "150");
    QCOMPARE(b->userLeft(), 150);
    QTRY_COMPARE(p.checks(), before + 1);
    QTest::qWait(2 * ProblemsWindow::kDelayMs);
    QCOMPARE(p.checks(), before + 1);
    const QString name = QString::fromStdString(b->name());
    QCOMPARE(rows(p), QStringList({name + " warning: '" + name +
                                   "' lies 29 pixels outside the screen (right edge at 189) [off-screen]"}));
    // The form window marks the control's rows beside the picture.
    const int top = at(b, 0, 0).y();
    using Rows = std::vector<std::pair<int, int>>;
    QCOMPARE(formWindow(w)->problemRows(), Rows({{top, top + b->height()}}));

    // A double click takes the user to the control.
    w.designer().select(*w.designer().currentForm(), *other, false);
    w.changed();
    QTreeWidget* list = p.list();
    const QPoint row = list->visualItemRect(list->topLevelItem(0)).center();
    QVERIFY(list->viewport()->rect().contains(row));
    // As the window system sends a double click.
    mouse(list->viewport(), QEvent::MouseButtonPress, row, Qt::LeftButton, Qt::LeftButton);
    mouse(list->viewport(), QEvent::MouseButtonRelease, row, Qt::LeftButton, Qt::NoButton);
    mouse(list->viewport(), QEvent::MouseButtonDblClick, row, Qt::LeftButton, Qt::LeftButton);
    mouse(list->viewport(), QEvent::MouseButtonRelease, row, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(w.designer().selectedControl(), b);
    QVERIFY(b->selected && !other->selected);

    edit(*w.inspector(), "Top");  // the cell left last opens its editor again once another was current
    ed = edit(*w.inspector(), "Left");
    QVERIFY(ed);
    QTest::keyClicks(ed, "10");
    QTRY_COMPARE(rows(p), QStringList());
    QVERIFY(formWindow(w)->problemRows().empty());
  }
};

QTEST_MAIN(ProblemsTest)
#include "test_problems.moc"
