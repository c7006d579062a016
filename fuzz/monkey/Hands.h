#pragma once
// The monkey's hands: its seeded dice, input as the platform delivers it, and the report of where a
// run was when the process died or hung.
#include <QPoint>
#include <QString>
#include <atomic>
#include <csignal>
#include <unistd.h>
#include <initializer_list>
#include <string>
#include <thread>
#include <vector>

class QMenu;
class QWidget;
class QWindow;

namespace monkey {

// Where the run is, for the report of a crash or a hang; an event number past the last one stands
// for the designer's start-up and its closing. Every call counts as progress for the watchdog.
void setWhere(const char* project, unsigned long long seed, int event, int events);
void installCrashReport();
// Writes where the run is to standard error (safe in a signal handler).
void sayWhere();
extern std::atomic<long> g_progress;

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
QWindow* windowOf(QWidget* w);
// Shown, enabled and on a shown window.
bool usable(QWidget* w);
void click(QWidget* w, QPoint p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {}, bool twice = false);
void drag(QWidget* w, QPoint from, QPoint to, int steps, Qt::MouseButton b, Qt::KeyboardModifiers m);
void key(QWindow* win, Qt::Key k, Qt::KeyboardModifiers m = {});
void type(QWindow* win, const QString& text);
QPoint somewhere(Dice& dice, QWidget* w);
// Something a person might type into a cell or a box.
QString someText(Dice& dice, const std::vector<std::string>& names);
// A menu is open: the person picks one of its items (never the one that ends the designer) or lets
// it go. A choice list is open: a few steps up or down, then Enter or Escape.
void pickFromMenu(Dice& dice, QMenu* menu, bool verbose);
void pickFromList(Dice& dice, QWindow* win);

}  // namespace monkey
