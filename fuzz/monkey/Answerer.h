#pragma once
// The monkey at the modal boxes and the menus that wait for an answer.
#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>

#include "Hands.h"

namespace monkey {

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

}  // namespace monkey
