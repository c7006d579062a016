#pragma once
// What the window tests share: the user's side of every question, and the main window's commands.
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <deque>
#include <functional>
#include <optional>

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/UiHooks.h"
#include "documents/FormWindow.h"
#include "model/FormDocument.h"

namespace tw::ui::test {

// Every message box recorded and answered from a queue (else with its default button); file dialogs
// recorded and answered from a queue; the new-project dialog given `library` (0 cancels it); any other
// modal dialog handed to `dialog`, or accepted.
struct User {
  std::vector<Message> asked;
  std::deque<MsgButton> answers;
  std::vector<std::pair<std::string, std::string>> dialogs;  // file dialogs: title, proposed name
  std::deque<std::optional<std::string>> files;
  int library = 2;
  std::function<int(QDialog&)> dialog;

  User() {
    UiHooks::message = [this](const Message& m) {
      asked.push_back(m);
      if (answers.empty()) return m.defaultButton;
      MsgButton b = answers.front();
      answers.pop_front();
      return b;
    };
    UiHooks::fileDialog = [this](const FileDialogInfo& d, bool, const std::string& initial) {
      dialogs.emplace_back(d.title, initial);
      if (files.empty()) return std::optional<std::string>();
      auto f = files.front();
      files.pop_front();
      return f;
    };
    UiHooks::modal = [this](QDialog& d) {
      if (auto* np = qobject_cast<NewProjectDialog*>(&d)) {
        if (library == 0) return int(QDialog::Rejected);
        np->cmbLib->setCurrentIndex(library - 1);
        return int(QDialog::Accepted);
      }
      return dialog ? dialog(d) : int(QDialog::Accepted);
    };
  }
  ~User() {
    UiHooks::message = nullptr;
    UiHooks::fileDialog = nullptr;
    UiHooks::modal = nullptr;
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& m : asked) out.push_back(m.text);
    return out;
  }
};

// Start-up options with the options file in a folder of the test's own.
inline StartOptions startIn(const QTemporaryDir& dir) {
  return {(dir.path() + "/options.ini").toStdString(), TW_DATA_DIR};
}

inline void trigger(MainWindow& w, const char* action) {
  auto* a = w.findChild<QAction*>(action);
  QVERIFY2(a, action);
  a->trigger();
}

inline void newProject(MainWindow& w, User& u, int lib) {
  u.library = lib;
  trigger(w, "mnuFileNewProject");
}

inline FormWindow* formWindow(MainWindow& w, int i = 0) { return w.windowOf(w.designer().forms().at(size_t(i)).get()); }

}  // namespace tw::ui::test
