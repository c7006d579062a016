#include "Recovery.h"

#include "FileWatch.h"
#include "MainWindow.h"
#include "model/DiskState.h"
#include "model/FormFile.h"

namespace tw::ui {

Recovery::Recovery(MainWindow& main) : QObject(&main), main_(main) {
  timer_.setSingleShot(true);
  timer_.setInterval(kDelayMs);
  connect(&timer_, &QTimer::timeout, this, &Recovery::writeNow);
}

Recovery::~Recovery() {
  if (writer_) writer_->remove();
}

void Recovery::keepCopiesIn(std::string root) {
  if (writer_) writer_->remove();
  root_ = std::move(root);
  writer_ = root_.empty() ? nullptr : std::make_unique<RecoveryWriter>(root_);
  touched();
}

void Recovery::touched() {
  // Not restarted by each change: a long run of edits still gets its copy every kDelayMs.
  if (writer_ && !timer_.isActive()) timer_.start();
}

void Recovery::writeNow() {
  timer_.stop();
  if (!writer_) return;
  WorkSnapshot work;
  work.projectName = main_.projectName();
  work.projectFile = main_.projectFile();
  if (main_.fileWatch()) work.projectStamp = main_.fileWatch()->projectStamp();
  work.library = main_.designer().library;
  for (const auto& f : main_.designer().forms())
    if (f->visible) work.forms.push_back(f.get());
  std::string why;
  // A full disk must not bring a box up every two seconds: told once, on standard error.
  if (!writer_->update(work, &why) && !warned_) {
    warned_ = true;
    qWarning("%s", why.c_str());
  }
}

bool Recovery::offer() {
  if (root_.empty()) return false;
  for (const auto& s : leftoverSessions(root_)) {
    MsgButton b = main_.messages().show(restoreQuestion(s));
    if (b == kCancel) return false;
    if (b == kYes) {
      restore(s);
      return true;
    }
    removeSession(s.folder);
  }
  return false;
}

void Recovery::restore(const RecoverySession& s) {
  MainWindow& m = main_;
  m.closeAll();
  m.designer_.library = s.library;
  m.updatePalette();
  if (!s.projectName.empty()) {
    m.projectName_ = s.projectName;
    m.projectFile_ = s.projectFile;
    m.setCaption(s.projectName);
    m.generateAct_->setEnabled(true);
    m.files_->projectRead(s.projectStamp);
  }
  std::vector<std::string> messages;
  for (const auto& f : s.forms) {
    std::string why;
    std::unique_ptr<FormDocument> form;
    if (!f.copy.empty()) {
      form = readRecoveredForm(f, s.library, m.designer_.designColour, &why, &messages);
    } else {
      OpenedForm opened = openFormFile(f.file, s.library, m.designer_.designColour);
      form = std::move(opened.form);
      why = opened.error.empty() ? f.file + " could not be opened" : opened.error;
      messages.insert(messages.end(), opened.messages.begin(), opened.messages.end());
    }
    if (!form) {
      messages.push_back(why);
      continue;
    }
    FormDocument& doc = m.designer_.addForm(std::move(form));
    m.showNewForm(doc, false);
    if (!f.copy.empty()) markUnsaved(doc);
  }
  for (const auto& text : messages) m.messages_.error(text);
  m.changed();
  // This run's own copies are on disk before the crashed run's go.
  writeNow();
  removeSession(s.folder);
}

}  // namespace tw::ui
