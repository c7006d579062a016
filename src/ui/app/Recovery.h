#pragma once
// Recovery copies of the unsaved work (core's model/Recovery.h), written a moment after a change,
// removed by a clean save or exit, and offered at the next start after a crash.
#include <QObject>
#include <QTimer>
#include <memory>
#include <string>

#include "model/Recovery.h"

namespace tw::ui {

class MainWindow;

class Recovery : public QObject {
  Q_OBJECT
 public:
  static constexpr int kDelayMs = 2000;  // copies are at most about this old

  // Keeps no copies until it is told where.
  explicit Recovery(MainWindow& main);
  ~Recovery() override;  // a clean exit: this run's copies go

  // Copies go into this recovery folder from now on.
  void keepCopiesIn(std::string root);
  // Something changed: the copies follow within kDelayMs.
  void touched();
  // Brings the copies up to date now.
  void writeNow();
  // Offers the work that runs which ended without closing left behind, newest first. Yes restores
  // it as unsaved documents, No discards it, Cancel keeps it for the next start. True: restored.
  bool offer();
  const std::string& root() const { return root_; }
  const RecoveryWriter* writer() const { return writer_.get(); }

 private:
  void restore(const RecoverySession& s);

  MainWindow& main_;
  std::string root_;
  std::unique_ptr<RecoveryWriter> writer_;
  QTimer timer_;
  bool warned_ = false;
};

}  // namespace tw::ui
