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

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "documents/FormWindow.h"
#include "editors/PropertiesEditor.h"
#include "model/FormDocument.h"

using namespace tw;
using namespace tw::ui;

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

// ---- Where the run is, for the report of a crash or a hang (written from a signal handler).

char g_where[256] = "monkey: not started\n";
std::atomic<long> g_progress{0};

// An event number past the last one stands for the designer's start-up and its closing.
void setWhere(const char* project, unsigned long long seed, int event, int events) {
  const char* when = event < 0 ? "while opening the project" : event >= events ? "while closing the designer" : "";
  std::snprintf(g_where, sizeof g_where,
                "monkey: died in project %s, seed %llu, at event %d of %d %s(replay: test_monkey --project %s "
                "--seed %llu --events %d)\n",
                project, seed, event, events, when, project, seed, std::clamp(event + 1, 0, events));
  ++g_progress;
}

void sayWhere() {
  ssize_t n = write(STDERR_FILENO, g_where, std::strlen(g_where));
  (void)n;
}

void onFatalSignal(int sig) {
  sayWhere();
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

}  // namespace

// The sanitizers' runtime calls this before it ends a process it found at fault.
extern "C" void __sanitizer_set_death_callback(void (*)(void)) __attribute__((weak));

namespace {

void installCrashReport() {
  // Under the sanitizers their own handlers report the fault (with its stack) and then call ours.
  if (__sanitizer_set_death_callback) return __sanitizer_set_death_callback(sayWhere);
  for (int sig : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL}) std::signal(sig, onFatalSignal);
}

// Ends the process when nothing has moved for a long time: a modal loop nobody answers, or a loop
// that never ends, is reported like a crash rather than left to the suite's timeout.
class Watchdog {
 public:
  explicit Watchdog(int seconds) : thread_([this, seconds] { watch(seconds); }) {}
  ~Watchdog() {
    stop_ = true;
    thread_.join();
  }

 private:
  void watch(int seconds) {
    long last = -1;
    int still = 0;
    while (!stop_) {
      std::this_thread::sleep_for(std::chrono::milliseconds(250));
      long now = g_progress;
      still = now == last ? still + 1 : 0;
      last = now;
      if (still > seconds * 4) {
        const char hang[] = "monkey: no progress for a long time (a hang)\n";
        ssize_t n = write(STDERR_FILENO, hang, sizeof hang - 1);
        (void)n;
        sayWhere();
        std::signal(SIGABRT, SIG_DFL);
        std::abort();
      }
    }
  }
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// ---- The seeded dice (the same numbers on every machine).

class Dice {
 public:
  // The seed is scrambled first: neighbouring seeds would otherwise give one stream shifted by a step.
  explicit Dice(unsigned long long seed) : s_(mix(seed ^ 0x632BE59BD9B4E019ull)) {}
  unsigned long long next() { return mix(s_ += 0x9E3779B97F4A7C15ull); }
  int below(int n) { return n <= 0 ? 0 : int(next() % unsigned(n)); }
  int between(int lo, int hi) { return lo + below(hi - lo + 1); }
  bool chance(int percent) { return below(100) < percent; }
  template <class T> T& pick(std::vector<T>& v) { return v[size_t(below(int(v.size())))]; }
  // One of several weights, by its index.
  int weighted(std::initializer_list<int> weights) {
    int total = 0;
    for (int w : weights) total += w;
    int r = below(total), i = 0;
    for (int w : weights) {
      if (r < w) return i;
      r -= w;
      ++i;
    }
    return 0;
  }

 private:
  static unsigned long long mix(unsigned long long z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  unsigned long long s_;
};

// ---- Input as the platform delivers it: into a top-level window, at a point of one of its widgets.

QWindow* windowOf(QWidget* w) {
  QWidget* top = w ? w->window() : nullptr;
  return top && top->isVisible() ? top->windowHandle() : nullptr;
}

QPoint inWindow(QWidget* w, QPoint p) { return w->isWindow() ? p : w->mapTo(w->window(), p); }

bool usable(QWidget* w) { return w && w->isVisible() && w->isEnabled() && windowOf(w); }

void click(QWidget* w, QPoint p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {}, bool twice = false) {
  // A point off the window (a control moved far away) cannot be clicked.
  if (!usable(w) || !w->window()->rect().contains(inWindow(w, p))) return;
  QWindow* win = windowOf(w);
  if (twice)
    QTest::mouseDClick(win, b, m, inWindow(w, p));
  else
    QTest::mouseClick(win, b, m, inWindow(w, p));
}

void drag(QWidget* w, QPoint from, QPoint to, int steps, Qt::MouseButton b, Qt::KeyboardModifiers m) {
  if (!usable(w)) return;
  QPointer<QWindow> win = windowOf(w);
  // The pointer stays on the window it pressed, as a drag beyond the screen's edge does.
  const QRect inside = w->window()->rect().adjusted(0, 0, -1, -1);
  const QPoint a = inWindow(w, from);
  const QPoint z(std::clamp(inWindow(w, to).x(), inside.left(), inside.right()),
                 std::clamp(inWindow(w, to).y(), inside.top(), inside.bottom()));
  QTest::mousePress(win, b, m, a);
  for (int i = 1; i <= steps && win; ++i) QTest::mouseMove(win, a + (z - a) * i / steps);
  if (win) QTest::mouseRelease(win, b, m, z);
}

void key(QWindow* win, Qt::Key k, Qt::KeyboardModifiers m = {}) {
  if (win) QTest::keyClick(win, k, m);
}

void type(QWindow* win, const QString& text) {
  QPointer<QWindow> alive(win);
  for (const QChar* c = text.constData(); alive && c < text.constData() + text.size(); ++c) {
    QString one(*c);
    if (c->isHighSurrogate() && c + 1 < text.constData() + text.size()) one += *++c;
    const ushort u = one.size() == 1 ? one[0].unicode() : 0;
    Qt::Key k = Qt::Key_unknown;
    if (u >= 'a' && u <= 'z') k = Qt::Key(Qt::Key_A + (u - 'a'));
    else if (u >= 'A' && u <= 'Z') k = Qt::Key(Qt::Key_A + (u - 'A'));
    else if (u >= '0' && u <= '9') k = Qt::Key(Qt::Key_0 + (u - '0'));
    else if (u == '-') k = Qt::Key_Minus;
    else if (u == ' ') k = Qt::Key_Space;
    QTest::sendKeyEvent(QTest::Click, win, k, one, u >= 'A' && u <= 'Z' ? Qt::ShiftModifier : Qt::NoModifier);
  }
}

QPoint somewhere(Dice& dice, QWidget* w) { return {dice.below(std::max(1, w->width())), dice.below(std::max(1, w->height()))}; }

// Something a person might type into a cell or a box.
QString someText(Dice& dice, const std::vector<std::string>& names) {
  static const char* const kWords[] = {"0", "1", "7", "50", "160", "-1", "-5", "99999", "-32769", "32767", "x", "1a",
                                       "-", "--", "Form", "form", "OK", "Button1", "abc", "", " "};
  switch (dice.weighted({4, 3, 2, 2, 3, 1})) {
    case 0: return kWords[dice.below(int(std::size(kWords)))];
    case 1: {
      QString s;
      for (int i = dice.between(1, 5); i > 0; --i) s += QChar('a' + dice.below(26));
      return dice.chance(30) ? s.toUpper() : s;
    }
    case 2: return QString::number(dice.between(-40, 200));
    case 3: return QString::fromUtf8("\xF0\x9F\x98\x80");  // an emoji, outside the handheld's characters
    case 4:
      if (!names.empty()) return QString::fromStdString(names[size_t(dice.below(int(names.size())))]);
      return "Label1";
    default: return QString::number(dice.below(10)) + QChar('a' + dice.below(26));
  }
}

// A menu is open: the person picks one of its items (never the one that ends the designer) or lets
// it go. A choice list is open: a few steps up or down, then Enter or Escape.
void pickFromMenu(Dice& dice, QMenu* menu, bool verbose) {
  std::vector<QAction*> items;
  for (QAction* a : menu->actions())
    if (a->isVisible() && !a->isSeparator() && a->objectName() != "mnuFileExit") items.push_back(a);
  if (items.empty() || dice.chance(20)) return key(windowOf(menu), Qt::Key_Escape);
  QAction* a = dice.pick(items);
  if (verbose) std::fprintf(stderr, "  menu item %s\n", qPrintable(a->text()));
  click(menu, menu->actionGeometry(a).center());
}

void pickFromList(Dice& dice, QWindow* win) {
  QPointer<QWidget> popup = QApplication::activePopupWidget();
  for (int i = dice.below(4); i > 0 && popup; --i) key(win, dice.chance(50) ? Qt::Key_Down : Qt::Key_Up);
  if (popup && QApplication::activePopupWidget() == popup) key(win, dice.chance(70) ? Qt::Key_Return : Qt::Key_Escape);
}

// ---- The person at the modal boxes and the menus that wait for an answer.
//
// Whenever a nested event loop (a modal dialog's, a message box's, a menu's exec()) has nothing left
// to do, the person answers the window that waits, action by action until it is gone. Acting only
// when the loop is idle, and never on a timer's clock, keeps a run the same for its seed.
class Answerer : public QObject {
 public:
  Answerer(Dice& dice, QString folder) : dice_(dice), folder_(std::move(folder)) {
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [this] {
      if (posted_ || !(QApplication::activeModalWidget() || QApplication::activePopupWidget())) return;
      posted_ = true;
      QTimer::singleShot(0, this, [this] { answer(); });
    });
  }
  // Answers the next modal window in place of the dice (for a run's start-up), once.
  std::function<bool(QWidget*)> scripted;
  bool verbose = false;

 private:
  void answer() {
    posted_ = false;
    QPointer<QWidget> waiting = QApplication::activePopupWidget();
    if (!waiting) waiting = QApplication::activeModalWidget();
    for (int acts = 1; waiting && waiting->isVisible() &&
                       (waiting == QApplication::activePopupWidget() || waiting == QApplication::activeModalWidget());
         ++acts) {
      ++g_progress;
      if (verbose)
        std::fprintf(stderr, "  answer %s \"%s\" (%d)\n", waiting->metaObject()->className(),
                     qPrintable(waiting->windowTitle()), acts);
      if (scripted && scripted(waiting)) scripted = nullptr;
      else act(waiting, acts);
      QCoreApplication::processEvents();
    }
  }

  void act(QWidget* waiting, int acts) {
    QWindow* win = windowOf(waiting);
    // A window that the dice keep open is closed in the end, as a person gives up.
    if (acts > 14) {
      if (auto* d = qobject_cast<QDialog*>(waiting)) return d->reject();
      waiting->close();
      return;
    }
    if (acts > 10) return key(win, Qt::Key_Escape);
    if (auto* menu = qobject_cast<QMenu*>(waiting)) return pickFromMenu(dice_, menu, verbose);
    if (waiting == QApplication::activePopupWidget()) return pickFromList(dice_, win);
    if (auto* fd = qobject_cast<QFileDialog*>(waiting)) return answerFile(fd, win);
    if (auto* box = qobject_cast<QMessageBox*>(waiting)) {
      QList<QAbstractButton*> buttons = box->buttons();
      const int r = dice_.below(100);
      if (r < 12 || buttons.isEmpty()) return key(win, Qt::Key_Escape);
      if (r < 24) return key(win, Qt::Key_Return);
      QAbstractButton* b = buttons[dice_.below(int(buttons.size()))];
      return click(b, b->rect().center());
    }
    answerDialog(waiting, win);
  }

  void answerFile(QFileDialog* fd, QWindow* win) {
    if (dice_.chance(30)) return key(win, Qt::Key_Escape);
    QString path;
    if (fd->fileMode() == QFileDialog::Directory) {
      path = folder_;
    } else if (fd->acceptMode() == QFileDialog::AcceptOpen && dice_.chance(85)) {
      QStringList files;
      for (QDirIterator it(folder_, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) files << it.next();
      files.sort();
      path = files.isEmpty() ? folder_ + "/none.twp" : files[dice_.below(int(files.size()))];
    } else {
      static const char* const kNames[] = {"a.twk", "b.twk", "Main.twk", "p.twp", "Demo.twp", "q", "icon.bmp"};
      static const char* const kFolders[] = {"", "/ccontrols", "/ptoolbox"};
      path = folder_ + kFolders[dice_.below(3)] + "/" + kNames[dice_.below(int(std::size(kNames)))];
    }
    fd->selectFile(path);
    static_cast<QDialog*>(fd)->accept();  // its own check of the name runs
  }

  void answerDialog(QWidget* modal, QWindow* win) {
    std::vector<QWidget*> editors, buttons, others;
    for (QWidget* w : modal->findChildren<QWidget*>()) {
      if (!w->isVisible() || !w->isEnabled()) continue;
      if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w)) editors.push_back(w);
      else if (qobject_cast<QAbstractButton*>(w)) buttons.push_back(w);
      else if (qobject_cast<QComboBox*>(w) || w->metaObject()->className() == QByteArray("tw::ui::BitGrid"))
        others.push_back(w);
    }
    switch (dice_.weighted({30, 40, 15, 15})) {
      case 0:
        if (editors.empty()) break;
        if (QWidget* e = dice_.pick(editors)) {
          click(e, somewhere(dice_, e));
          // A folder field is typed over whole: text typed into the middle of an absolute path would
          // have the generator write into new folders outside the run's own.
          auto* line = qobject_cast<QLineEdit*>(e);
          if (dice_.chance(30) || (line && line->text().startsWith('/'))) key(win, Qt::Key_A, Qt::ControlModifier);
          type(win, someText(dice_, {}));
          if (dice_.chance(20)) key(win, Qt::Key_Return);
        }
        return;
      case 1:
        if (buttons.empty()) break;
        if (QWidget* b = dice_.pick(buttons)) click(b, b->rect().center());
        return;
      case 2:
        if (others.empty()) break;
        if (QWidget* o = dice_.pick(others)) {
          if (dice_.chance(50)) drag(o, somewhere(dice_, o), somewhere(dice_, o), 3, Qt::LeftButton, {});
          else click(o, somewhere(dice_, o));
        }
        return;
      default: break;
    }
    static const Qt::Key kKeys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Down, Qt::Key_Up,
                                    Qt::Key_Space, Qt::Key_Backspace, Qt::Key_F1};
    key(win, kKeys[dice_.below(int(std::size(kKeys)))], dice_.chance(10) ? Qt::ControlModifier : Qt::NoModifier);
  }

  Dice& dice_;
  QString folder_;
  bool posted_ = false;
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
    return {b.x + dice_.between(-3, std::max(0, b.w) + 3), b.y + dice_.between(-3, std::max(0, b.h) + 3)};
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
