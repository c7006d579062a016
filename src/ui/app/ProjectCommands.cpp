// The project commands: new, open, save and close a project, and generate its code.
#include "MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScopedValueRollback>

#include "Dialogs.h"
#include "FileWatch.h"
#include "Recovery.h"
#include "SideWindows.h"
#include "codegen/GenerateDialog.h"
#include "documents/FormWindow.h"
#include "base/AtomicBatch.h"
#include "base/FileIO.h"
#include "model/FormFile.h"

namespace tw::ui {

void MainWindow::setCaption(const std::string& shown) {
  captionShown_ = shown;
  showModified();
}

bool MainWindow::projectUnsaved() const {
  return !projectName_.empty() && projectModified(savedProject_, designer_.library, designer_.forms());
}

void MainWindow::markProjectSaved() { savedProject_ = projectStateText(designer_.library, designer_.forms()); }

void MainWindow::showModified() { setWindowTitle(qs(mainCaption(captionShown_, projectUnsaved()))); }

bool MainWindow::askSaveProject() {
  if (!projectUnsaved()) return true;
  holdZoom(true);
  MsgButton b = messages_.show(saveProjectQuestion(projectName_));
  holdZoom(false);
  if (b == kCancel) return false;
  if (b != kYes) return true;
  saveProject();
  // A save that was cancelled or failed leaves the work unsaved: the command does not throw it away.
  return !projectUnsaved();
}

void MainWindow::closeAll() {
  designer_.formCounter = 0;
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
    mdi_->removeSubWindow(it->second);
    delete it->second;
  }
  windows_.clear();
  designer_.closeAll();
  setZoomShown(false);
  setInspectorShown(false);
  generateAct_->setEnabled(false);
  setCaption("");
  projectName_.clear();
  projectFile_.clear();
  savedProject_.clear();
  if (inspector_) inspector_->refresh();
  updateUndo();
  if (recovery_) recovery_->touched();
}

void MainWindow::newProject() {
  if (!askSaveProject()) return;
  holdZoom(true);
  int lib = designer_.library;
  // Made on first use: it is not on the way to the first window.
  if (!newProjectDialog_) newProjectDialog_ = new NewProjectDialog(this);
  bool ok = newProjectDialog_->ask(lib);
  holdZoom(false);
  if (!ok) return;
  closeAll();
  designer_.library = lib;
  designer_.formCounter = 0;
  projectName_ = "Project1";
  setCaption(projectName_);
  makeToolWindows();
  placeWindow(inspectorSub_, 0, 0);
  setInspectorShown(true);
  generateAct_->setEnabled(true);
  newForm();
  updatePalette();
  markProjectSaved();  // nothing in a new project is work yet
  showModified();
}

void MainWindow::saveProject() {
  if (projectName_.empty()) return;
  if (projectFile_.empty()) return saveProjectAs();
  holdZoom(true);
  writeProject(projectFile_);
  holdZoom(false);
}

void MainWindow::saveProjectAs() {
  if (projectName_.empty()) return;
  holdZoom(true);
  auto path = runFileDialog(this, kSaveProjectDialog, true, projectName_);
  if (path && fileExists(*path) &&
      messages_.show(replaceQuestion(*path, kSaveProjectReplaceCaption)) != kYes)
    path.reset();
  if (path && writeProject(*path)) {
    projectFile_ = *path;
    mru_.add(*path);
    mru_.save(options_);
    options_.save(optionsPath_);
    rebuildRecentMenu();
    projectName_ = projectNameFromFile(*path);
    setCaption(projectName_);
  }
  holdZoom(false);
}

bool MainWindow::writeProject(const std::string& path) {
  makeToolWindows();
  WindowSettings w;
  w.inspectorShown = inspectorSub_->isVisible();
  if (w.inspectorShown) windowPos(inspectorSub_, w.inspectorLeft, w.inspectorTop);
  w.magnifierShown = zoomSub_->isVisible();
  if (w.magnifierShown) {
    int l = 0, t = 0;
    windowPos(zoomSub_, l, t);
    w.magnifierLeft = l;
    w.magnifierTop = t;
  }
  std::string why;
  if (!files_->mayWriteProject(path)) return false;
  std::vector<FormDocument*> saved;
  bool ok = writeDesignerProject(designer_.library, designer_.forms(), path, w,
                                 [this, &saved](FormDocument& f, AtomicBatch& batch) {
                                   if (!prepareFormSave(f, false)) return;
                                   batch.add(f.fileName, formToIni(f).serialize());
                                   saved.push_back(&f);
                                   if (FormWindow* fw = windowOf(&f)) fw->refresh();
                                 },
                                 &why);
  if (!ok) {
    messages_.error(why);
    return false;
  }
  files_->projectSaved(path, saved);
  markProjectSaved();
  setCaption(projectNameFromFile(path));
  return true;
}

void MainWindow::readProject(const std::string& path) {
  OpenedProject opened = readProjectFile(path, designer_.designColour, &designer_.controlCounter);
  if (!opened.error.empty()) messages_.error(opened.error);
  if (opened.refused) return closeAll();
  files_->projectRead(opened.stamp);
  projectName_ = projectNameFromFile(projectFile_);
  setCaption(projectName_);
  designer_.library = opened.project.library;
  updatePalette();
  if (opened.windows.magnifierShown) {
    setZoomShown(true);
    int l = 0, t = 0;
    windowPos(zoomSub_, l, t);
    placeWindow(zoomSub_, opened.windows.magnifierLeft.value_or(l), opened.windows.magnifierTop.value_or(t));
  }
  {
    QScopedValueRollback batch(showingForms_, true);  // the changed() below brings every window up to date
    for (auto& pf : opened.project.forms) {
      FormDocument& form = designer_.addForm(std::move(pf.form));
      showNewForm(form, false);
    }
  }
  for (const auto& m : opened.messages) messages_.error(m);
  if (opened.windows.inspectorShown) {
    setInspectorShown(true);
    placeWindow(inspectorSub_, opened.windows.inspectorLeft, opened.windows.inspectorTop);
  }
  generateAct_->setEnabled(true);
  markProjectSaved();
  changed();
}

void MainWindow::openProject() {
  holdZoom(true);
  if (askSaveProject()) {
    if (auto path = runFileDialog(this, kOpenProjectDialog, false, "")) {
      closeAll();
      projectFile_ = *path;
      mru_.add(*path);
      mru_.save(options_);
      options_.save(optionsPath_);
      rebuildRecentMenu();
      readProject(projectFile_);
    }
  }
  holdZoom(false);
}

void MainWindow::openRecent(const std::string& path) {
  holdZoom(true);
  if (askSaveProject()) openProjectFile(path);
  holdZoom(false);
}

void MainWindow::openProjectFile(const std::string& path) {
  closeAll();
  projectFile_ = path;
  readProject(path);
}

void MainWindow::closeAllCommand() {
  if (!askSaveProject()) return;
  closeAll();
}

void MainWindow::closeEvent(QCloseEvent* e) {
  if (!askSaveProject()) {
    e->ignore();
    return;
  }
  writeOptions();
  if (help_) help_->close();
  e->accept();
}

void MainWindow::generateCode() {
  holdZoom(true);
  if (projectFile_.empty()) {
    messages_.information(kMustSaveBeforeCodegen);
    saveProjectAs();
  }
  if (!projectFile_.empty()) {
    // One generate-code window for the program's life: its fields keep their values between uses.
    auto* dialog = findChild<GenerateDialog*>("frmGenerate");
    if (!dialog) dialog = new GenerateDialog(*this);
    dialog->run();
  }
  holdZoom(false);
}

}  // namespace tw::ui
