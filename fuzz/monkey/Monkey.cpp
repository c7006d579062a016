// A monkey at the designer's windows, offscreen: random clicks and drags on the form windows, the
// palette, the tool bars, the menus and the inspector's cells, random typing and keys, and every
// modal box or dialog answered at random from a timer, the way a person answers it. Input goes in
// through the windows (as the platform delivers it), so popups, focus, grabs and shortcuts behave
// as they do for a user. A run is fixed by its seed; when the process dies, the project, seed and
// event number are printed so that the run can be replayed.
//
//   test_monkey                      the quick run of the suite: every project briefly, then the
//                                    runs that once crashed the designer
//   test_monkey [--project ccontrols|ptoolbox|new|all] [--seed N] [--events N] [--verbose]
//   MONKEY_PROJECT, MONKEY_SEED, MONKEY_EVENTS and MONKEY_VERBOSE=1 stand for the options.
#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <thread>
#include <unistd.h>

#include "Answerer.h"
#include "Hands.h"
#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "documents/FormWindow.h"
#include "editors/PropertiesEditor.h"
#include "model/FormDocument.h"

using namespace tw;
using namespace tw::ui;
using namespace monkey;

namespace {

// Runs that once crashed the designer: each stays in the quick run for good, and goes on well past
// the event that crashed.
struct Replay {
  const char* project;
  unsigned long long seed;
  int events;
  const char* what;
};
const Replay kRegressions[] = {
    // A value the inspector refuses: the error box ran inside the cell editor's own textEdited, the
    // editor was deleted while the box was open, and its key press went on in freed memory. The
    // events are where each run died then.
    {"ccontrols", 9, 300, "letters in a number cell (\"6q\" in Left, event 36)"},
    {"ptoolbox", 7, 300, "letters in a number cell (\"yg\" in Left, event 181)"},
    {"ptoolbox", 5, 300, "an emoji in a number cell (Top, event 13)"},
    {"new", 6, 300, "an emoji in a number cell of a new project (MaxChars, event 70)"},
    {"ccontrols", 2, 300, "a name that is no identifier (\"--\", event 94)"},
};

// ---- The person at the main window.

class Monkey {
 public:
  Monkey(MainWindow& w, Dice& dice, bool verbose) : w_(w), dice_(dice), verbose_(verbose) {}

  void event() {
    if (QWidget* popup = QApplication::activePopupWidget()) return atPopup(popup);
    // The help window or a closed box may have taken the activation: the person comes back.
    if (!w_.isActiveWindow()) {
      w_.activateWindow();
      QApplication::setActiveWindow(&w_);
    }
    switch (dice_.weighted({24, 10, 8, 4, 14, 3, 15, 14, 5, 3, 1})) {
      case 0: return clickForm();
      case 1: return dragForm();
      case 2: return clickToolBar("tbControls");
      case 3: return clickToolBar(dice_.chance(50) ? "tbFile" : dice_.chance(50) ? "tbEdit" : "tbAlign");
      case 4: return clickCell();
      case 5: return clickInspectorTools();
      case 6: return typeText();
      case 7: return pressKey();
      case 8: return openMenu();
      case 9: return atSubWindowFrame();
      default: return click(w_.workArea()->viewport(), somewhere(dice_, w_.workArea()->viewport()));
    }
  }

 private:
  void log(const char* what) {
    if (verbose_) std::fprintf(stderr, "  %s\n", what);
  }

  std::vector<FormWindow*> shownForms() {
    std::vector<FormWindow*> out;
    for (const auto& f : w_.designer().forms())
      if (FormWindow* fw = w_.windowOf(f.get()); fw && fw->isVisible()) out.push_back(fw);
    return out;
  }

  // A point of a form's view: anywhere, or in or near one of its controls (their edges included).
  QPoint formPoint(FormWindow& fw) {
    FormView* v = fw.view();
    if (dice_.chance(40)) return somewhere(dice_, v);
    struct Box {
      int x, y, w, h;
    };
    std::vector<Box> boxes;
    FormDocument& form = fw.form();
    const TCCForm& screen = form.screen();
    auto walk = [&](auto&& self, const Control& c, int ox, int oy) -> void {
      boxes.push_back({ox + c.left(), oy + c.top(), c.width(), c.height()});
      for (const auto& k : c.children()) self(self, *k, ox + c.left(), oy + c.top());
    };
    for (const auto& c : screen.children()) walk(walk, *c, screen.left(), screen.top());
    for (const auto& c : form.windowChildren()) walk(walk, *c, 0, 0);
    if (boxes.empty()) return somewhere(dice_, v);
    const Box& b = boxes[size_t(dice_.below(int(boxes.size())))];
    // Boxes are in handheld pixels; the view may show them zoomed.
    return v->pixels().toWidget(
        QPoint(b.x + dice_.between(-3, std::max(0, b.w) + 3), b.y + dice_.between(-3, std::max(0, b.h) + 3)));
  }

  Qt::KeyboardModifiers someModifiers() {
    const int r = dice_.below(100);
    return r < 8 ? Qt::ShiftModifier : r < 12 ? Qt::ControlModifier : Qt::NoModifier;
  }

  void clickForm() {
    auto forms = shownForms();
    if (forms.empty()) return;
    FormWindow* fw = dice_.pick(forms);
    const Qt::MouseButton b = dice_.chance(25) ? Qt::RightButton : Qt::LeftButton;
    log("click on a form");
    click(fw->view(), formPoint(*fw), b, someModifiers(), dice_.chance(8));
  }

  void dragForm() {
    auto forms = shownForms();
    if (forms.empty()) return;
    FormWindow* fw = dice_.pick(forms);
    const QPoint from = formPoint(*fw);
    const QPoint to = from + QPoint(dice_.between(-40, 40), dice_.between(-40, 40));
    log("drag on a form");
    drag(fw->view(), from, to, dice_.between(1, 4), dice_.chance(10) ? Qt::RightButton : Qt::LeftButton,
         someModifiers());
  }

  void clickToolBar(const char* name) {
    auto* bar = w_.findChild<QToolBar*>(name);
    if (!bar) return;
    std::vector<QToolButton*> buttons;
    for (QToolButton* b : bar->findChildren<QToolButton*>())
      if (b->isVisible() && b->isEnabled() && b->defaultAction() && b->parentWidget() == bar) buttons.push_back(b);
    if (buttons.empty()) return;
    QToolButton* b = dice_.pick(buttons);
    if (verbose_) std::fprintf(stderr, "  tool button %s\n", qPrintable(b->defaultAction()->text()));
    click(b, b->rect().center());
  }

  // Clicks a menu bar item and then one of its items, by the items' names.
  void menuCommand(const char* menuName, const char* itemName) {
    QMenuBar* bar = w_.menuBar();
    auto* menu = w_.findChild<QMenu*>(menuName);
    auto* item = w_.findChild<QAction*>(itemName);
    if (!menu || !item) return;
    if (verbose_) std::fprintf(stderr, "  command %s\n", itemName);
    click(bar, bar->actionGeometry(menu->menuAction()).center());
    if (QApplication::activePopupWidget() == menu && item->isEnabled())
      click(menu, menu->actionGeometry(item).center());
    else if (QWidget* popup = QApplication::activePopupWidget())
      key(windowOf(popup), Qt::Key_Escape);
  }

  void clickCell() {
    PropertiesEditor* p = w_.inspector();
    // With nothing to inspect, the person brings a form or the inspector back first.
    if (shownForms().empty()) return menuCommand("mnuFile", dice_.chance(70) ? "mnuFileNewForm" : "mnuFileOpenForm");
    if (!p) return;
    // Minimized or shaded from its system menu: a double click on the title bar brings it back.
    if (QWidget* sub = p->parentWidget(); sub->isVisible() && !p->isVisible()) {
      log("restore the inspector");

      return click(sub, QPoint(sub->width() / 2, 8), Qt::LeftButton, {}, true);
    }
    if (!p->isVisible()) return menuCommand("mnuView", "mnuViewProperties");
    if (p->grid()->rowCount() == 0) return;
    QTableWidget* g = p->grid();
    const int row = dice_.below(g->rowCount()), col = dice_.chance(85) ? 1 : 0;
    QTableWidgetItem* item = g->item(row, col);
    if (!item) return;
    g->scrollToItem(item);
    const QRect r = g->visualItemRect(item);
    if (verbose_) std::fprintf(stderr, "  cell %s\n", qPrintable(g->item(row, 0)->text()));
    click(g->viewport(), r.center(), Qt::LeftButton, {}, dice_.chance(12));
    // A choice list or an ellipsis button laid over the cell is what the person goes for next.
    if (dice_.chance(50)) clickInspectorTools(false);
  }

  void clickInspectorTools(bool withList = true) {
    PropertiesEditor* p = w_.inspector();
    if (!p || !p->isVisible()) return;
    std::vector<QWidget*> tools;
    for (QWidget* t : {static_cast<QWidget*>(p->cmbBoolean), static_cast<QWidget*>(p->cmbItems->button),
                       static_cast<QWidget*>(p->cmbBitmap->button), withList ? static_cast<QWidget*>(p->list()) : nullptr})
      if (usable(t)) tools.push_back(t);
    if (tools.empty()) return;
    QWidget* t = dice_.pick(tools);
    if (verbose_) std::fprintf(stderr, "  inspector %s\n", qPrintable(t->objectName()));
    click(t, t->rect().center(), Qt::LeftButton, dice_.chance(20) ? Qt::ControlModifier : Qt::NoModifier);
  }

  std::vector<std::string> names() {
    std::vector<std::string> out;
    if (FormDocument* f = w_.designer().currentForm()) {
      out.push_back(f->formName);
      f->forEachControl([&](const Control& c) { out.push_back(c.name()); });
    }
    return out;
  }

  QWindow* focusWindow() {
    QWindow* f = QGuiApplication::focusWindow();
    return f ? f : w_.windowHandle();
  }

  void typeText() {
    const QString text = someText(dice_, names());
    if (verbose_) std::fprintf(stderr, "  type \"%s\"\n", qPrintable(text));
    type(focusWindow(), text);
  }

  void pressKey() {
    struct Press {
      Qt::Key key;
      Qt::KeyboardModifiers mods;
    };
    static const Press kKeys[] = {
        {Qt::Key_Delete, {}},  {Qt::Key_Escape, {}}, {Qt::Key_Return, {}},  {Qt::Key_Enter, {}},
        {Qt::Key_Tab, {}},     {Qt::Key_Backtab, Qt::ShiftModifier},       {Qt::Key_Left, {}},
        {Qt::Key_Right, {}},   {Qt::Key_Up, {}},     {Qt::Key_Down, {}},    {Qt::Key_Backspace, {}},
        {Qt::Key_Home, {}},    {Qt::Key_End, {}},    {Qt::Key_F1, {}},      {Qt::Key_F2, {}},
        {Qt::Key_Z, Qt::ControlModifier},            {Qt::Key_Y, Qt::ControlModifier},
        {Qt::Key_X, Qt::ControlModifier},            {Qt::Key_C, Qt::ControlModifier},
        {Qt::Key_V, Qt::ControlModifier},            {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
        {Qt::Key_Return, Qt::ControlModifier},       {Qt::Key_S, Qt::ControlModifier},
        {Qt::Key_N, Qt::ControlModifier},            {Qt::Key_O, Qt::ControlModifier},
        {Qt::Key_A, Qt::ControlModifier},            {Qt::Key_F4, Qt::ControlModifier},
        {Qt::Key_Up, Qt::ShiftModifier},             {Qt::Key_Right, Qt::ShiftModifier},
    };
    const Press& k = kKeys[dice_.below(int(std::size(kKeys)))];
    if (verbose_) std::fprintf(stderr, "  key %s\n", qPrintable(QKeySequence(k.key | k.mods).toString()));
    key(focusWindow(), k.key, k.mods);
  }

  void openMenu() {
    QMenuBar* bar = w_.menuBar();
    std::vector<QAction*> menus;
    for (QAction* a : bar->actions())
      if (a->isVisible() && a->isEnabled()) menus.push_back(a);
    if (menus.empty()) return;
    QAction* a = dice_.pick(menus);
    if (verbose_) std::fprintf(stderr, "  menu %s\n", qPrintable(a->text()));
    click(bar, bar->actionGeometry(a).center());
  }

  void atPopup(QWidget* popup) {
    if (auto* menu = qobject_cast<QMenu*>(popup)) return pickFromMenu(dice_, menu, verbose_);
    log("choice list");
    pickFromList(dice_, windowOf(popup));
  }

  // The title bar of a work-area window: clicked (its close box among the spots) or dragged.
  void atSubWindowFrame() {
    std::vector<QMdiSubWindow*> subs;
    for (QMdiSubWindow* s : w_.workArea()->subWindowList())
      if (s->isVisible()) subs.push_back(s);
    if (subs.empty()) return;
    QMdiSubWindow* s = dice_.pick(subs);
    const QPoint at(dice_.below(s->width()), dice_.below(std::min(s->height(), 20)));
    log("window frame");

    if (dice_.chance(70))
      click(s, at);
    else
      drag(s, at, at + QPoint(dice_.between(-60, 60), dice_.between(-30, 30)), 3, Qt::LeftButton, {});
  }

  MainWindow& w_;
  Dice& dice_;
  bool verbose_;
};

// ---- One run: a copy of the examples in a folder of its own, the designer started on a project.

bool copyFolder(const QString& from, const QString& to) {
  QDir().mkpath(to);
  for (const QString& f : QDir(from).entryList(QDir::Files))
    if (!QFile::copy(from + "/" + f, to + "/" + f)) return false;
  return true;
}

bool runOne(const std::string& project, unsigned long long seed, int events, bool verbose) {
  QTemporaryDir dir;
  if (!dir.isValid()) return false;
  const QString root = dir.path();
  for (const char* lib : {"ccontrols", "ptoolbox"})
    if (!copyFolder(QString(TW_EXAMPLES_DIR) + "/" + lib, root + "/" + lib)) return false;
  // Names typed into a folder field are relative to where the designer was started.
  QDir::setCurrent(root);
  QApplication::clipboard()->clear();

  std::fprintf(stderr, "monkey: project %s, seed %llu, %d events\n", project.c_str(), seed, events);
  setWhere(project.c_str(), seed, -1, events);
  Dice dice(seed);
  Answerer answerer(dice, root);
  answerer.verbose = verbose;
  {
    MainWindow w(StartOptions{(root + "/options.ini").toStdString(), TW_DATA_DIR});
    // Ending the designer is the one thing the person never does here.
    if (auto* exit = w.findChild<QAction*>("mnuFileExit")) exit->setEnabled(false);
    w.resize(1000, 760);
    w.show();
    QApplication::setActiveWindow(&w);
    if (!QTest::qWaitForWindowActive(&w)) std::fprintf(stderr, "monkey: the main window is not active\n");
    if (project == "new") {
      const int library = int(seed % 2);
      answerer.scripted = [library](QWidget* modal) {
        auto* np = qobject_cast<NewProjectDialog*>(modal);
        if (!np) return false;
        np->cmbLib->setCurrentIndex(library);
        np->accept();
        return true;
      };
      w.findChild<QAction*>("mnuFileNewProject")->trigger();
      answerer.scripted = nullptr;
    } else {
      w.openProjectFile((root + "/" + QString::fromStdString(project) + "/Demo.twp").toStdString());
    }
    Monkey monkey(w, dice, verbose);
    for (int i = 0; i < events; ++i) {
      setWhere(project.c_str(), seed, i, events);
      if (verbose) std::fprintf(stderr, "event %d\n", i);
      // The undefined-behaviour checker ends the process without telling us: these lines bound the event.
      else if (i % 1000 == 0 && i > 0) std::fprintf(stderr, "monkey: project %s, seed %llu, event %d\n", project.c_str(), seed, i);
      monkey.event();
      QCoreApplication::processEvents();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    setWhere(project.c_str(), seed, events, events);
  }
  QDir::setCurrent(QDir::tempPath());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  std::fprintf(stderr, "monkey: project %s, seed %llu: %d events done\n", project.c_str(), seed, events);
  return true;
}

// The offscreen platform's notes on what it cannot do (raise, grab the keyboard) say nothing of ours.
void quietPlatform(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (text.startsWith("This plugin does not support")) return;
  std::fprintf(stderr, "%s%s\n", type == QtDebugMsg || type == QtInfoMsg ? "" : "qt: ", qPrintable(text));
}

std::string option(int argc, char** argv, const char* name, const char* env, const char* fallback) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], name) == 0) return argv[i + 1];
  const char* e = std::getenv(env);
  return e && *e ? e : fallback;
}

}  // namespace

int main(int argc, char** argv) {
  installCrashReport();
  qInstallMessageHandler(quietPlatform);
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  bool verbose = std::getenv("MONKEY_VERBOSE") && std::strcmp(std::getenv("MONKEY_VERBOSE"), "1") == 0;
  for (int i = 1; i < argc; ++i) verbose = verbose || std::strcmp(argv[i], "--verbose") == 0;
  const std::string project = option(argc, argv, "--project", "MONKEY_PROJECT", "all");
  const std::string seedText = option(argc, argv, "--seed", "MONKEY_SEED", "");
  const std::string eventsText = option(argc, argv, "--events", "MONKEY_EVENTS", "");
  const bool quick = seedText.empty() && eventsText.empty() && project == "all";
  const unsigned long long seed = seedText.empty() ? 1 : std::strtoull(seedText.c_str(), nullptr, 10);
  const int events = eventsText.empty() ? 300 : std::atoi(eventsText.c_str());

  int failed = 0;
  Watchdog watchdog(180);
  QTimer::singleShot(0, &app, [&] {
    std::vector<std::string> projects = {"ccontrols", "ptoolbox", "new"};
    if (project != "all") projects = {project};
    for (const auto& p : projects)
      if (!runOne(p, seed, events, verbose)) ++failed;
    if (quick)
      for (const Replay& r : kRegressions) {
        std::fprintf(stderr, "monkey: regression: %s\n", r.what);
        if (!runOne(r.project, r.seed, r.events, verbose)) ++failed;
      }
    QCoreApplication::exit(failed ? 1 : 0);
  });
  const int rc = QApplication::exec();
  return rc;
}
