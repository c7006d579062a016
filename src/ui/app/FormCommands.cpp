// The form commands: new, open, save and close a form, placing controls, the clipboard, undo and redo.
#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMimeData>
#include <utility>
#include <QStyle>
#include <tuple>

#include "FileWatch.h"
#include "ProblemsWindow.h"
#include "Recovery.h"
#include "SideWindows.h"
#include "documents/FormWindow.h"
#include "documents/Surface.h"
#include "model/ControlStream.h"
#include "model/FormFile.h"
#include "model/History.h"
#include "model/Landing.h"

namespace tw::ui {

// The clipboard commands: core's text stream of one control under a private type.
void MainWindow::toClipboard(const std::optional<std::string>& payload) {
  if (!payload) return;
  auto* data = new QMimeData;
  data->setData(kControlMimeType, QByteArray(payload->data(), qsizetype(payload->size())));
  QApplication::clipboard()->setMimeData(data);
}

void MainWindow::copyCommand() { toClipboard(designer_.copy()); }

void MainWindow::cutCommand() {
  if (FormDocument* f = designer_.selectedForm()) {
    if (FormWindow* w = windowOf(f)) w->surface()->forgetDrag();
    HistoryStepScope step(designer_, *f, "Cut");
    toClipboard(designer_.cut());
  }
  changed();
}

void MainWindow::pasteCommand() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (!data || !data->hasFormat(kControlMimeType)) return;
  QByteArray bytes = data->data(kControlMimeType);
  if (FormDocument* f = designer_.currentForm()) {
    HistoryStepScope step(designer_, *f, "Paste");
    designer_.paste(std::string_view(bytes.constData(), size_t(bytes.size())));
  }
  changed();
}

void MainWindow::selectAllCommand() {
  if (FormDocument* f = designer_.currentForm(); f && f->visible) designer_.selectAll(*f);
  changed();
}

void MainWindow::saveCurrentForm() {
  if (FormDocument* f = designer_.currentForm()) saveForm(*f, false);
}

void MainWindow::saveCurrentFormAs() {
  if (FormDocument* f = designer_.currentForm()) saveForm(*f, true);
}

FormWindow* MainWindow::windowOf(const FormDocument* form) const {
  auto it = windows_.find(form);
  return it == windows_.end() ? nullptr : it->second;
}

FormWindow* MainWindow::showNewForm(FormDocument& form, bool placeByShowRules) {
  makeToolWindows();
  auto* w = new FormWindow(*this, form);
  windows_[&form] = w;
  mdi_->addSubWindow(w);
  if (placeByShowRules) {
    int left = 0, top = 0;
    // Beside a shown inspector.
    if (inspectorSub_->isVisible()) {
      int il = 0, it = 0;
      windowPos(inspectorSub_, il, it);
      left = il + inspectorSub_->width() + 2;
    }
    if (!inspectorSub_->isVisible()) setInspectorShown(true);
    if (top == 0 && left == 0) {
      top = dockHeight() + 4;
      left = inspectorSub_->width() + 4;
    } else if (top == 0) {
      top = dockHeight() + 4;
    }
    // Off the form windows already there, each a title bar lower and to the right.
    std::vector<std::pair<int, int>> taken;
    for (const auto& [other, window] : windows_)
      if (window != w && window->isVisible()) {
        taken.emplace_back();
        windowPos(window, taken.back().first, taken.back().second);
      }
    std::tie(form.windowLeft, form.windowTop) =
        cascadeSpot(left, top, taken, w->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, w));
  } else if (!inspectorSub_->isVisible()) {
    setInspectorShown(true);
  }
  placeWindow(w, form.windowLeft, form.windowTop);
  w->show();
  mdi_->setActiveSubWindow(w);
  formActivated(form);
  files_->shown(form);
  return w;
}

void MainWindow::newForm() {
  FormDocument& form = designer_.newForm();
  showNewForm(form, true);
  designer_.presentForm(form);
  changed();
}

void MainWindow::openForm() {
  holdZoom(true);
  auto path = runFileDialog(this, kOpenFormDialog, false, "");
  if (path) {
    // A file already open is only shown again.
    for (auto it = designer_.forms().rbegin(); it != designer_.forms().rend(); ++it) {
      if ((*it)->fileName != *path) continue;
      (*it)->visible = (*it)->inProject = true;
      if (FormWindow* w = windowOf(it->get())) {
        w->show();
        mdi_->setActiveSubWindow(w);
      }
      updateUndo();
      holdZoom(false);
      return;
    }
    OpenedForm opened = openFormFile(*path, designer_.library, designer_.designColour, &designer_.controlCounter);
    if (!opened.form) {
      if (!opened.error.empty()) messages_.error(opened.error);
    } else {
      FormDocument& form = designer_.addForm(std::move(opened.form));
      showNewForm(form, false);
      for (const auto& m : opened.messages) messages_.error(m);
      changed();
    }
  }
  holdZoom(false);
}

void MainWindow::closeForm() {
  if (auto* w = qobject_cast<FormWindow*>(mdi_->activeSubWindow())) w->close();
}

void MainWindow::formHidden(FormDocument& form) {
  designer_.hideForm(form);
  if (inspector_) inspector_->refresh();
  if (zoom_) zoom_->refresh();
  updateUndo();  // a closed form keeps its history, but offers it only when shown again
  showModified();
  if (problems_) problems_->schedule();
}

void MainWindow::removeFormFromProject() {
  FormDocument* f = designer_.currentForm();
  FormWindow* w = windowOf(f);
  if (!f || !w || !f->visible) return;
  const Message ask{MsgIcon::Question, "Remove form",
                    "Remove form " + f->formName + " from the project? Its file stays where it is, and this cannot be undone.",
                    kYes | kNo, kNo};
  if (messages_.show(ask) != kYes) return;
  f->inProject = false;
  w->hide();
  formHidden(*f);
}

bool MainWindow::prepareFormSave(FormDocument& form, bool saveAs) {
  if (FormWindow* w = windowOf(&form)) windowPos(w, form.windowLeft, form.windowTop);
  if (saveAs || form.fileName.empty()) {
    holdZoom(true);
    auto path = runFileDialog(this, kSaveFormDialog, true, form.fileName.empty() ? formCaption(form) : form.fileName);
    holdZoom(false);
    if (!path) return false;
    // A declined replace leaves the form with the file it had.
    const std::string had = std::exchange(form.fileName, *path);
    if (!files_->mayWriteForm(form)) {
      form.fileName = had;
      return false;
    }
    return true;
  }
  return files_->mayWriteForm(form);
}

bool MainWindow::saveForm(FormDocument& form, bool saveAs) {
  if (!prepareFormSave(form, saveAs)) return false;
  std::string why;
  if (!tw::saveForm(form, form.fileName, &why)) {
    messages_.error(why);
    return false;
  }
  files_->formSaved(form);
  if (FormWindow* w = windowOf(&form)) w->refresh();
  showModified();
  return true;
}

void MainWindow::formActivated(FormDocument& form) {
  if (windows_.count(&form) == 0) return;
  designer_.activate(form);
  changed();
}

void MainWindow::place(FormDocument& form, int x, int y, Control* target) {
  const Family* fam = designer_.family();
  const KindRow* kind = fam ? fam->kindFor(designer_.tool) : nullptr;
  {
    HistoryStepScope step(designer_, form, std::string("Place ") + (kind ? kind->word : ""));
    designer_.place(form, x, y, target);
  }
  syncPalette();
  changed();
}

void MainWindow::changed() {
  if (showingForms_) return;
  if (FormDocument* f = designer_.currentForm())
    if (FormWindow* w = windowOf(f)) w->refresh();
  if (inspector_) inspector_->refresh();
  if (zoom_) zoom_->refresh();
  updateUndo();
  showModified();
  if (recovery_) recovery_->touched();
  if (problems_) problems_->schedule();
}

void MainWindow::undoCommand() {
  FormDocument* f = designer_.currentForm();
  if (!f || !f->visible) return;
  // The restored form is made of new controls: the surface lets go of the old ones first.
  if (FormWindow* w = windowOf(f)) w->surface()->forgetDrag();
  if (undo(designer_, *f)) changed();
}

void MainWindow::redoCommand() {
  FormDocument* f = designer_.currentForm();
  if (!f || !f->visible) return;
  if (FormWindow* w = windowOf(f)) w->surface()->forgetDrag();
  if (redo(designer_, *f)) changed();
}

void MainWindow::updateUndo() {
  if (!undoAct_) return;
  FormDocument* f = designer_.currentForm();
  const bool live = f && f->visible;
  const std::string undoName = live ? f->history().undoName() : std::string();
  const std::string redoName = live ? f->history().redoName() : std::string();
  undoAct_->setText(qs(undoName.empty() ? "&Undo" : "&Undo " + undoName));
  undoAct_->setEnabled(!undoName.empty());
  redoAct_->setText(qs(redoName.empty() ? "&Redo" : "&Redo " + redoName));
  redoAct_->setEnabled(!redoName.empty());
}

}  // namespace tw::ui
