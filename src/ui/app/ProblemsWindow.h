#pragma once
// "Problems": the layout checker's findings on the open project, kept up to date as the user edits.
#include <QTimer>
#include <QWidget>
#include <vector>

#include "check/Checks.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace tw::ui {

class MainWindow;

class ProblemsWindow : public QWidget {
  Q_OBJECT
 public:
  // The check runs at most once per this many milliseconds, however fast the edits come.
  static constexpr int kDelayMs = 100;

  explicit ProblemsWindow(MainWindow& main);
  QSize sizeHint() const override { return {420, 160}; }
  // Something changed: the list follows within kDelayMs.
  void schedule();
  // Checks the open forms now.
  void checkNow();
  const std::vector<Problem>& problems() const { return problems_; }
  int checks() const { return checks_; }  // how many checks ran, for the tests
  QTreeWidget* list() const { return list_; }
  // Brings the problem's form forward and selects its control.
  void goTo(int row);
  // Marks the controls with problems in their form windows (none while the window is hidden).
  void markForms();

 private:
  MainWindow& main_;
  QTreeWidget* list_;
  QTimer timer_;
  std::vector<Problem> problems_;
  int checks_ = 0;
};

}  // namespace tw::ui
