#include "FileWatch.h"

#include <QApplication>

#include "MainWindow.h"
#include "Recovery.h"
#include "documents/FormWindow.h"
#include "documents/Surface.h"
#include "graphics/Fonts.h"
#include "base/FileIO.h"
#include "model/DiskState.h"

namespace tw::ui {

FileWatch::FileWatch(MainWindow& main, Recovery& recovery) : QObject(&main), main_(main), recovery_(recovery) {
  settle_.setSingleShot(true);
  settle_.setInterval(300);
  connect(&settle_, &QTimer::timeout, this, &FileWatch::check);
  gone_.setInterval(2000);
  connect(&gone_, &QTimer::timeout, this, [this] {
    for (auto it = missing_.begin(); it != missing_.end();) {
      if (!stillOpen(*it)) {
        it = missing_.erase(it);
      } else if (fileExists(*it)) {
        pending_.insert(*it);
        settle_.start();
        it = missing_.erase(it);
      } else {
        ++it;
      }
    }
    if (missing_.empty()) gone_.stop();
  });
  // The question is never asked from inside the watcher's signal: it is queued behind the settle time.
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this](const QString& path) {
    pending_.insert(ss(path));
    settle_.start();
  });
}

void FileWatch::watch(const std::string& path) {
  if (path.empty()) return;
  // A file replaced by a rename is dropped from the watch list: it is added again each time.
  QString p = qs(path);
  if (!watcher_.files().contains(p)) watcher_.addPath(p);
}

void FileWatch::shown(FormDocument& form) {
  // What the first paint does to a form just read is no change of the user's.
  form.applyPaintRules(handheldFonts());
  form.savedText = formText(form);
  watch(form.fileName);
}

bool FileWatch::mayWriteForm(FormDocument& form) {
  return mayOverwriteForm(main_.messages(), form, kSaveFormReplaceCaption);
}

void FileWatch::formSaved(FormDocument& form) {
  markSaved(form);
  watch(form.fileName);
  recovery_.touched();
}

void FileWatch::projectRead(const FileStamp& stamp) {
  project_ = stamp;
  watch(stamp.path);
}

bool FileWatch::mayWriteProject(const std::string& path) {
  if (project_.path != path || !changedOnDisk(project_)) return true;
  return main_.messages().show(changedOnDiskQuestion(path, "Save project")) == kYes;
}

void FileWatch::projectSaved(const std::string& path, const std::vector<FormDocument*>& formsSaved) {
  project_ = stampOf(path);
  watch(path);
  for (FormDocument* f : formsSaved) formSaved(*f);
  recovery_.touched();
}

bool FileWatch::stillOpen(const std::string& path) const {
  if (path == main_.projectFile()) return true;
  for (const auto& f : main_.designer().forms())
    if (f->visible && f->fileName == path) return true;
  return false;
}

bool FileWatch::declined(const std::string& path) const {
  auto it = declined_.find(path);
  return it != declined_.end() && it->second == stampOf(path);
}

void FileWatch::check() {
  // Never on top of another question or dialog: looked at again once it is answered.
  if (QApplication::activeModalWidget()) {
    settle_.start();
    return;
  }
  std::set<std::string> paths;
  paths.swap(pending_);
  for (const auto& path : paths) {
    if (!fileExists(path)) {
      if (stillOpen(path)) {
        missing_.insert(path);
        if (!gone_.isActive()) gone_.start();
      }
      continue;
    }
    watch(path);
    if (path == main_.projectFile()) {
      checkProject(path);
      continue;  // reloading the project reads its forms again as well
    }
    for (const auto& f : main_.designer().forms())
      if (f->visible && f->fileName == path) {
        checkForm(*f);
        break;
      }
  }
}

void FileWatch::checkProject(const std::string& path) {
  if (project_.path != path || !changedOnDisk(project_) || declined(path)) return;
  for (const auto& f : main_.designer().forms())
    if (f->visible && hasUnsavedChanges(*f)) return;  // the save asks, and nothing of the user's is thrown away
  if (main_.messages().show(reloadQuestion(path)) == kYes)
    main_.openProjectFile(path);
  else
    declined_[path] = stampOf(path);
}

void FileWatch::checkForm(FormDocument& form) {
  const std::string path = form.fileName;
  if (!changedOnDisk(form.diskStamp) || hasUnsavedChanges(form) || declined(path)) return;
  if (main_.messages().show(reloadQuestion(path)) != kYes) {
    declined_[path] = stampOf(path);
    return;
  }
  if (FormWindow* w = main_.windowOf(&form)) w->surface()->forgetDrag();
  std::string why;
  std::vector<std::string> messages;
  if (!reloadForm(main_.designer(), form, &why, &messages)) messages.insert(messages.begin(), why);
  for (const auto& m : messages) main_.messages().error(m);
  if (FormWindow* w = main_.windowOf(&form)) w->refresh();
  main_.changed();
}

}  // namespace tw::ui
