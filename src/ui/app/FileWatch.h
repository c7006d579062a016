#pragma once
// The open form and project files as the designer last read or wrote them. Before a save replaces
// a file that someone else wrote meanwhile, the user is asked; a file that changes on disk while
// its document has no unsaved changes is offered for reloading.
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/FileStamp.h"

namespace tw {
class FormDocument;
}

namespace tw::ui {

class MainWindow;
class Recovery;

class FileWatch : public QObject {
  Q_OBJECT
 public:
  FileWatch(MainWindow& main, Recovery& recovery);

  // A form's window was shown: the form as it is now is what its file holds (it was read, or is
  // new), and its file is watched.
  void shown(FormDocument& form);
  // Before a form is written to its fileName: the changed question or the replace question.
  bool mayWriteForm(FormDocument& form);
  void formSaved(FormDocument& form);

  void projectRead(const FileStamp& stamp);
  // Before the project file at path is written: the changed question when someone wrote it since.
  bool mayWriteProject(const std::string& path);
  void projectSaved(const std::string& path, const std::vector<FormDocument*>& formsSaved);
  const FileStamp& projectStamp() const { return project_; }

  // Looks at the files that changed now, rather than after the short wait (tests).
  void checkNow() { check(); }

 private:
  void watch(const std::string& path);
  void check();
  void checkProject(const std::string& path);
  void checkForm(FormDocument& form);
  bool declined(const std::string& path) const;
  bool stillOpen(const std::string& path) const;

  MainWindow& main_;
  Recovery& recovery_;
  QFileSystemWatcher watcher_;
  // Editors write a file in several steps: it is looked at once they are done.
  QTimer settle_;
  std::set<std::string> pending_;
  // Files removed from under the designer (a version-control checkout removes and writes them
  // anew): looked for now and then, and watched again once they are back.
  QTimer gone_;
  std::set<std::string> missing_;
  FileStamp project_;
  std::map<std::string, FileStamp> declined_;  // changes on disk that the user chose not to reload
};

}  // namespace tw::ui
