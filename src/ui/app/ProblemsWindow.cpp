#include "ProblemsWindow.h"

#include <QHeaderView>
#include <algorithm>
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "MainWindow.h"
#include "codegen/GenerationSettings.h"
#include "documents/FormImage.h"
#include "documents/FormWindow.h"
#include "graphics/Fonts.h"
#include "ini/IniFile.h"
#include "model/FormDocument.h"

namespace tw::ui {

ProblemsWindow::ProblemsWindow(MainWindow& main) : main_(main) {
  setObjectName("frmProblems");
  auto* lay = new QVBoxLayout(this);
  lay->setContentsMargins(0, 0, 0, 0);
  list_ = new QTreeWidget(this);
  list_->setObjectName("lstProblems");
  list_->setRootIsDecorated(false);
  list_->setHeaderLabels({"Form", "Control", "Problem"});
  list_->header()->setStretchLastSection(true);
  lay->addWidget(list_);
  // Not restarted by later edits: a check follows the first of a run of edits within kDelayMs, so
  // typing never checks more often than that and the list is never more than that behind.
  timer_.setSingleShot(true);
  timer_.setInterval(kDelayMs);
  connect(&timer_, &QTimer::timeout, this, &ProblemsWindow::checkNow);
  connect(list_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { goTo(list_->indexOfTopLevelItem(item)); });
}

void ProblemsWindow::schedule() {
  if (isVisible() && !timer_.isActive()) timer_.start();
}

void ProblemsWindow::checkNow() {
  timer_.stop();
  ++checks_;
  CheckRequest rq;
  for (const auto& f : main_.designer().forms())
    if (f->visible) rq.forms.push_back(f.get());
  rq.project = !main_.projectName().empty();
  GenerationSettings settings;
  if (rq.project && !main_.projectFile().empty()) {
    IniFile ini;
    if (ini.load(main_.projectFile()) && ini.hasSection("Code")) {
      settings = readGenerationSettings(ini, "");
      rq.settings = &settings;
      rq.settingsFile = main_.projectFile();
    }
  }
  problems_ = runChecks(rq, handheldFonts());

  list_->clear();
  for (const Problem& p : problems_) {
    const char* word = severityWord(p.severity);
    auto* item = new QTreeWidgetItem(
        {p.form ? QString::fromStdString(p.form->formName) : QString("(project)"), QString::fromStdString(p.control),
         QString("%1: %2 [%3]").arg(word, QString::fromStdString(p.message), QString::fromStdString(p.rule))});
    item->setToolTip(2, item->text(2));
    list_->addTopLevelItem(item);
  }
  list_->resizeColumnToContents(0);
  list_->resizeColumnToContents(1);
  markForms();
}

void ProblemsWindow::markForms() {
  for (const auto& f : main_.designer().forms()) {
    FormWindow* window = main_.windowOf(f.get());
    if (!window) continue;
    std::vector<std::pair<int, int>> rows;
    for (const Problem& p : problems_) {
      const Control* c = p.form == f.get() && isVisible() ? f->findComponent(p.control) : nullptr;
      if (!c || p.control == f->formName) continue;
      long long top = 0;
      for (const Control* k = c; k; k = k->parent()) top += k->top();
      const long long bottom = top + std::max(c->paintedHeight(), 1);
      rows.emplace_back(int(std::clamp(top, 0LL, (long long)kFormClientHeight - 1)),
                        int(std::clamp(bottom, 1LL, (long long)kFormClientHeight)));
    }
    window->setProblemRows(std::move(rows));
  }
}

void ProblemsWindow::goTo(int row) {
  if (row < 0 || size_t(row) >= problems_.size()) return;
  const Problem& p = problems_[size_t(row)];
  // The problem's form may have gone since the check: only a form still open is gone to.
  FormDocument* form = nullptr;
  for (const auto& f : main_.designer().forms())
    if (f.get() == p.form && f->visible) form = f.get();
  FormWindow* window = form ? main_.windowOf(form) : nullptr;
  if (!window) return;
  main_.workArea()->setActiveSubWindow(window);
  main_.formActivated(*form);
  if (Control* c = form->findComponent(p.control); c && p.control != form->formName) {
    main_.designer().select(*form, *c, false);
    main_.changed();
  }
}

void MainWindow::toggleProblems() {
  makeToolWindows();
  const bool shown = !problemsSub_->isVisible();
  if (shown) {
    problems_->show();  // the close box closes the content with its frame: both come back
    problemsSub_->show();
    // First shown, it lies along the bottom of the work area, clear of the form windows.
    if (problemsSub_->pos() == QPoint(0, 0))
      problemsSub_->move(0, std::max(0, mdi_->height() - problemsSub_->height()));
    problems_->checkNow();
  } else {
    problemsSub_->hide();
    problems_->markForms();  // hidden, it marks nothing
  }
  action("mnuViewProblems")->setChecked(shown);
}

}  // namespace tw::ui
