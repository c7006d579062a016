#pragma once
// What the window tests share: the user's side of every question, and the main window's commands.
#include <QAction>
#include <QClipboard>
#include <QMetaEnum>
#include <QMimeData>
#include <QMenu>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRubberBand>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <deque>
#include <map>
#include <functional>
#include <optional>

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/ProblemsWindow.h"
#include "app/SideWindows.h"
#include "app/UiHooks.h"
#include "documents/FormWindow.h"
#include "documents/Surface.h"
#include "editors/ItemsEditor.h"
#include "ini/IniFile.h"
#include "model/ControlStream.h"
#include "model/FormFile.h"
#include "model/History.h"
#include "model/PTDialog.h"
#include "editors/PropertiesEditor.h"
#include "model/FormDocument.h"

namespace tw::ui::test {
using namespace tw;
using namespace tw::ui;

// The user at the screen. Every real message box is recorded and answered from a queue (else with its
// default button); file dialogs are recorded and answered from a queue; the new-project dialog is given
// `library` (0 cancels it); any other modal dialog is handed to `dialog`, or accepted. Boxes and
// dialogs are found as a person finds them, as the active modal window, a few milliseconds after
// they open.
struct User {
  std::vector<Message> asked;
  std::deque<MsgButton> answers;
  std::function<MsgButton(const std::string&)> choose;  // when set, answers each box by its text
  std::vector<std::pair<std::string, std::string>> dialogs;  // file dialogs: title, proposed name
  std::deque<std::optional<std::string>> files;
  int library = 2;
  std::function<int(QDialog&)> dialog;
  int dialogsAnswered = 0;  // modal dialogs other than message boxes

  User() {
    UiHooks::fileDialog = [this](const FileDialogInfo& d, bool, const std::string& initial) {
      dialogs.emplace_back(d.title, initial);
      if (files.empty()) return std::optional<std::string>();
      auto f = files.front();
      files.pop_front();
      return f;
    };
    look();
  }
  ~User() { UiHooks::fileDialog = nullptr; }
  // Runs an action that asks for a dialog and waits until it has been answered (a dialog asked for
  // by a click or a key opens once that event has returned).
  template <class F>
  bool answered(F&& action) {
    const int before = dialogsAnswered;
    action();
    return QTest::qWaitFor([&] {
      QWidget* active = QApplication::activeWindow();
      return dialogsAnswered > before && active && active->isVisible() && !QApplication::activeModalWidget();
    });
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& m : asked) out.push_back(m.text);
    return out;
  }
  // How many of the boxes asked held `part` in their text.
  int count(const std::string& part) const {
    int n = 0;
    for (const auto& m : asked) n += m.text.find(part) != std::string::npos;
    return n;
  }

 private:
  QObject alive_;  // the looks stop with the user
  QPointer<QDialog> answering_;

  void look() {
    // A new shot each time: a box opened while a dialog is being answered is seen by the next one.
    QTimer::singleShot(5, &alive_, [this] { look(); });
    QWidget* w = QApplication::activeModalWidget();
    if (!w || !w->isVisible()) return;
    // As a window manager does, the window under the answered one becomes active again.
    if (QWidget* under = w->parentWidget() ? w->parentWidget()->window() : nullptr)
      QTimer::singleShot(0, under, [under] { QApplication::setActiveWindow(under); });
    if (auto* box = qobject_cast<QMessageBox*>(w)) return answerBox(*box);
    auto* d = qobject_cast<QDialog*>(w);
    // A dialog whose answer is still running (its step waits in an event loop) is not answered twice.
    if (!d || d == answering_) return;
    int result = QDialog::Accepted;
    if (auto* np = qobject_cast<NewProjectDialog*>(d)) {
      if (library == 0) result = QDialog::Rejected;
      else np->cmbLib->setCurrentIndex(library - 1);
    } else if (dialog) {
      QPointer<QDialog> outer = answering_;
      answering_ = d;
      result = dialog(*d);
      answering_ = outer;
    }
    if (d->isVisible()) d->done(result);
    ++dialogsAnswered;
  }

  void answerBox(QMessageBox& box) {
    struct Pair {
      MsgButton ours;
      QMessageBox::StandardButton qt;
    };
    const Pair pairs[] = {{kOk, QMessageBox::Ok}, {kYes, QMessageBox::Yes}, {kNo, QMessageBox::No},
                          {kCancel, QMessageBox::Cancel}};
    Message m;
    m.caption = box.windowTitle().toStdString();
    m.text = box.text().toStdString();
    m.buttons = 0;
    for (const auto& p : pairs) {
      if (box.standardButtons() & p.qt) m.buttons |= p.ours;
      if (box.defaultButton() && box.standardButton(box.defaultButton()) == p.qt) m.defaultButton = p.ours;
    }
    asked.push_back(m);
    MsgButton chosen = m.defaultButton;
    if (choose) {
      chosen = choose(m.text);
    } else if (!answers.empty()) {
      chosen = answers.front();
      answers.pop_front();
    }
    for (const auto& p : pairs)
      if (p.ours == chosen && box.button(p.qt)) return box.button(p.qt)->click();
    box.defaultButton()->click();
  }
};

// What a test class holds: a folder of its own, the options file in it.
struct Case : QObject {
  QTemporaryDir dir_;
  std::string path(const QString& name) const { return (dir_.path() + "/" + name).toStdString(); }
  StartOptions start() const { return {path("options.ini"), TW_DATA_DIR}; }
  void forgetOptions() const { QFile::remove(dir_.path() + "/options.ini"); }
};

inline void trigger(MainWindow& w, const char* action) {
  auto* a = w.findChild<QAction*>(action);
  QVERIFY2(a, action);
  a->trigger();
}

inline void newProject(MainWindow& w, User& u, int lib) {
  u.library = lib;
  trigger(w, "mnuFileNewProject");
  if (w.isVisible()) QTRY_COMPARE(QApplication::activeWindow(), &w);  // back from the dialog
}

inline FormWindow* formWindow(MainWindow& w, int i = 0) { return w.windowOf(w.designer().forms().at(size_t(i)).get()); }

inline void show(MainWindow& w) {
  w.resize(1000, 760);
  w.show();
  QApplication::setActiveWindow(&w);
  QVERIFY(QTest::qWaitForWindowActive(&w));
}

// The designer shown, with the user at the screen; a new project of `library` when one is given.
// Taken apart where it is used: auto& [u, w] = session;
struct Session {
  User u;
  MainWindow w;
  explicit Session(const StartOptions& options, int library = 0) : w(options) {
    show(w);
    if (library) newProject(w, u, library);
  }
  Session(const StartOptions& options, const QString& project) : Session(options) {
    w.openProjectFile(project.toStdString());
  }
};

// Where a point of a control lies in its form window's client area.
inline QPoint at(const Control* c, int x = 1, int y = 1) {
  for (const Control* p = c; p; p = p->parent()) x += p->left(), y += p->top();
  return {x, y};
}

// The mouse as the window system delivers it: the buttons held and the keys down with each event.
inline void mouse(QWidget* v, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held,
                  Qt::KeyboardModifiers mods = {}) {
  QMouseEvent e(type, QPointF(p), v->mapToGlobal(QPointF(p)), button, held, mods);
  QApplication::sendEvent(v, &e);
}
inline void hover(QWidget* v, QPoint p, Qt::KeyboardModifiers mods = {}) {
  mouse(v, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton, mods);
}
inline void click(QWidget* v, QPoint p, Qt::KeyboardModifiers mods = {}, Qt::MouseButton b = Qt::LeftButton) {
  hover(v, p, mods);
  mouse(v, QEvent::MouseButtonPress, p, b, b, mods);
  mouse(v, QEvent::MouseButtonRelease, p, b, Qt::NoButton, mods);
}
// Hover at from, press, move to to in steps, release there.
inline void drag(QWidget* v, QPoint from, QPoint to, Qt::KeyboardModifiers hoverMods = {},
                 Qt::KeyboardModifiers dragMods = {}) {
  hover(v, from, hoverMods);
  mouse(v, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, dragMods);
  for (int i = 1; i <= 2; ++i) mouse(v, QEvent::MouseMove, from + (to - from) * i / 2, Qt::NoButton, Qt::LeftButton, dragMods);
  mouse(v, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton, dragMods);
}

// Places a control of the palette at (x, y) of the current form's screen, or of the control `in`.
inline Control* place(MainWindow& w, Tool t, int x, int y, Control* in = nullptr) {
  w.paletteButton(t)->click();
  FormDocument& form = *w.designer().currentForm();
  click(w.windowOf(&form)->view(), at(in ? in : &form.screen(), x, y));
  return w.designer().selectedControl();
}

// The inspector's row named `name`, or -1.
inline int rowOf(PropertiesEditor& p, const char* name) {
  for (int r = 0; r < p.grid()->rowCount(); ++r)
    if (p.grid()->item(r, 0)->text() == name) return r;
  return -1;
}
// A click on a row's value cell, as the user enters it.
inline void enter(PropertiesEditor& p, const char* name) {
  const int r = rowOf(p, name);
  QVERIFY2(r >= 0, name);
  QTableWidget* g = p.grid();
  QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualItemRect(g->item(r, 1)).center());
  QCOMPARE(g->currentRow(), r);
}
// The value cell's text editor, open and focused.
inline QLineEdit* cellEditor(PropertiesEditor& p) {
  auto* e = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  return e && e->objectName() == "cellEditor" && e->parentWidget() == p.grid()->viewport() ? e : nullptr;
}

// Enters a row's text cell, waits for its editor (a click on the cell already current opens it a
// moment later) and selects what it shows.
inline QLineEdit* retype(PropertiesEditor& p, const char* row) {
  enter(p, row);
  QLineEdit* ed = nullptr;
  if (QTest::qWaitFor([&] { return (ed = cellEditor(p)) != nullptr; })) ed->selectAll();
  return ed;
}

// A copy of an example project's folder (ccontrols or ptoolbox) in `into`; returns its project file.
inline QString copyExample(const QString& library, const QString& into) {
  QDir().mkpath(into);
  QDir source(QString(TW_EXAMPLES_DIR) + "/" + library);
  for (const QString& f : source.entryList(QDir::Files)) {
    QFile::remove(into + "/" + f);
    QFile::copy(source.filePath(f), into + "/" + f);
    QFile::setPermissions(into + "/" + f, QFile::ReadOwner | QFile::WriteOwner);
  }
  return into + "/Demo.twp";
}

}  // namespace tw::ui::test
