#include "Hands.h"

#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

// The sanitizers' runtime calls this before it ends a process it found at fault.
extern "C" void __sanitizer_set_death_callback(void (*)(void)) __attribute__((weak));

namespace monkey {

std::atomic<long> g_progress{0};

namespace {

char g_where[256] = "monkey: not started\n";

void onFatalSignal(int sig) {
  sayWhere();
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

QPoint inWindow(QWidget* w, QPoint p) { return w->isWindow() ? p : w->mapTo(w->window(), p); }

}  // namespace

void sayWhere() {
  ssize_t n = write(STDERR_FILENO, g_where, std::strlen(g_where));
  (void)n;
}

bool usable(QWidget* w) { return w && w->isVisible() && w->isEnabled() && windowOf(w); }

void setWhere(const char* project, unsigned long long seed, int event, int events) {
  const char* when = event < 0 ? "while opening the project" : event >= events ? "while closing the designer" : "";
  std::snprintf(g_where, sizeof g_where,
                "monkey: died in project %s, seed %llu, at event %d of %d %s(replay: test_monkey --project %s "
                "--seed %llu --events %d)\n",
                project, seed, event, events, when, project, seed, std::clamp(event + 1, 0, events));
  ++g_progress;
}

void installCrashReport() {
  // Under the sanitizers their own handlers report the fault (with its stack) and then call ours.
  if (__sanitizer_set_death_callback) return __sanitizer_set_death_callback(sayWhere);
  for (int sig : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL}) std::signal(sig, onFatalSignal);
}

QWindow* windowOf(QWidget* w) {
  QWidget* top = w ? w->window() : nullptr;
  return top && top->isVisible() ? top->windowHandle() : nullptr;
}

void click(QWidget* w, QPoint p, Qt::MouseButton b, Qt::KeyboardModifiers m, bool twice) {
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

void key(QWindow* win, Qt::Key k, Qt::KeyboardModifiers m) {
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

}  // namespace monkey
