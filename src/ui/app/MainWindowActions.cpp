// The command table, the menus built from it, and the commands of the Tools and Help menus.
#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "Dialogs.h"
#include "Icons.h"
#include "SideWindows.h"
#include "documents/FormWindow.h"

namespace tw::ui {

void MainWindow::buildActions() {
  // Shortcuts: one, or several separated by "; ".
  struct Command {
    const char* name;
    const char* text;
    void (MainWindow::*slot)();
    const char* shortcut;
    const char* icon;
  };
  const Command commands[] = {
      {"mnuFileNewProject", "&New Project...", &MainWindow::newProject, "Ctrl+N", "newproject"},
      {"mnuFileSaveProject", "&Save Project", &MainWindow::saveProject, "Ctrl+S", "saveproject"},
      {"mnuFileSaveProjectAs", "Save Project &As...", &MainWindow::saveProjectAs, "Ctrl+A", nullptr},
      {"mnuFileOpenProject", "&Open Project...", &MainWindow::openProject, "Ctrl+O", nullptr},
      {"mnuFileNewForm", "N&ew Form", &MainWindow::newForm, nullptr, "newform"},
      {"mnuFileOpenForm", "Open &Form...", &MainWindow::openForm, nullptr, "openform"},
      {"mnuFileCloseForm", "&Close Form", &MainWindow::closeForm, nullptr, nullptr},
      {"mnuFileSaveForm", "Sa&ve Form", &MainWindow::saveCurrentForm, nullptr, "saveform"},
      {"mnuFileSaveFormAs", "Sav&e Form As...", &MainWindow::saveCurrentFormAs, nullptr, nullptr},
      {"mnuFileCloseAll", "C&lose All", &MainWindow::closeAllCommand, nullptr, nullptr},
      {"mnuFileExit", "E&xit", &MainWindow::exitCommand, nullptr, nullptr},
      {"mnuEditUndo", "&Undo", &MainWindow::undoCommand, "Ctrl+Z", "undo"},
      {"mnuEditRedo", "&Redo", &MainWindow::redoCommand, "Ctrl+Y; Ctrl+Shift+Z", "redo"},
      {"mnuEditCut", "Cu&t", &MainWindow::cutCommand, "Ctrl+X", "cut"},
      {"mnuEditCopy", "&Copy", &MainWindow::copyCommand, "Ctrl+C", "copy"},
      {"mnuEditPaste", "&Paste", &MainWindow::pasteCommand, "Ctrl+V", "paste"},
      {"mnuEditSelectAll", "Select &All", &MainWindow::selectAllCommand, "Ctrl+Shift+A", nullptr},  // Ctrl+A saves as
      {"mnuViewZoom", "&Zoom", &MainWindow::toggleZoom, nullptr, nullptr},
      {"mnuViewProperties", "&Properties Editor", &MainWindow::toggleInspector, nullptr, nullptr},
      {"mnuViewProblems", "P&roblems", &MainWindow::toggleProblems, nullptr, nullptr},
      {"mnuViewZoomIn", "Zoom &In", &MainWindow::zoomIn, "Ctrl++; Ctrl+=", nullptr},
      {"mnuViewZoomOut", "Zoom &Out", &MainWindow::zoomOut, "Ctrl+-", nullptr},
      {"mnuViewActualSize", "&Actual Size", &MainWindow::actualSize, "Ctrl+0", nullptr},
      {"mnuProjectGenerate", "&Generate Code...", &MainWindow::generateCode, nullptr, nullptr},
      {"mnuProjectPreview", "Pre&view", &MainWindow::showPreview, "F5", nullptr},
      {"mnuProjectRemoveForm", "&Remove Form from Project", &MainWindow::removeFormFromProject, nullptr, nullptr},
      {"mnuToolsOptions", "&Options...", &MainWindow::options, nullptr, nullptr},
      {"mnuHelpContents", "Tarnowick...", &MainWindow::helpContents, nullptr, nullptr},
      {"mnuHelpAbout", "A&bout Tarnowick...", &MainWindow::about, nullptr, nullptr},
  };
  for (const auto& c : commands) {
    auto* a = new QAction(c.text, this);
    a->setObjectName(c.name);
    if (c.shortcut) a->setShortcuts(QKeySequence::listFromString(c.shortcut));
    if (c.icon) a->setIcon(commandIcon(c.icon));
    connect(a, &QAction::triggered, this, c.slot);
  }
  undoAct_ = action("mnuEditUndo");
  redoAct_ = action("mnuEditRedo");
  updateUndo();
  generateAct_ = action("mnuProjectGenerate");
  // The check marks follow the windows, so the toggles act on the state before the click.
  zoomAct_ = action("mnuViewZoom");
  zoomAct_->setCheckable(true);
  inspectorAct_ = action("mnuViewProperties");
  inspectorAct_->setCheckable(true);

  auto* context = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(context, &QShortcut::activated, this, &MainWindow::contextHelp);
}

QAction* MainWindow::action(const char* name) const { return findChild<QAction*>(name); }

void MainWindow::exitCommand() { close(); }

void MainWindow::helpContents() { showHelp(0); }

void MainWindow::contextHelp() {
  // Topic 5 from a form document window, topic 1 from the main window.
  QWidget* f = QApplication::focusWidget();
  bool inForm = false;
  for (QWidget* w = f; w; w = w->parentWidget())
    if (qobject_cast<FormWindow*>(w)) inForm = true;
  if (!inForm && mdi_->activeSubWindow() && qobject_cast<FormWindow*>(mdi_->activeSubWindow())) inForm = true;
  showHelp(inForm ? 5 : 1);
}

void MainWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->setObjectName("mnuFile");
  file->addAction(action("mnuFileNewProject"));
  file->addAction(action("mnuFileSaveProject"));
  file->addAction(action("mnuFileSaveProjectAs"));
  file->addAction(action("mnuFileOpenProject"));
  recentMenu_ = file->addMenu("&Recent Projects");
  recentMenu_->setObjectName("mnuFileRecent");
  file->addSeparator();
  file->addAction(action("mnuFileNewForm"));
  file->addAction(action("mnuFileOpenForm"));
  file->addAction(action("mnuFileCloseForm"));
  file->addAction(action("mnuFileSaveForm"));
  file->addAction(action("mnuFileSaveFormAs"));
  file->addSeparator();
  file->addAction(action("mnuFileCloseAll"));
  file->addSeparator();
  file->addAction(action("mnuFileExit"));
  QMenu* edit = menuBar()->addMenu("&Edit");
  edit->setObjectName("mnuEdit");
  edit->addAction(undoAct_);
  edit->addAction(redoAct_);
  edit->addSeparator();
  edit->addAction(action("mnuEditCut"));
  edit->addAction(action("mnuEditCopy"));
  edit->addAction(action("mnuEditPaste"));
  edit->addAction(action("mnuEditSelectAll"));
  QMenu* view = menuBar()->addMenu("&View");
  view->setObjectName("mnuView");
  view->addAction(zoomAct_);
  view->addAction(inspectorAct_);
  view->addAction(action("mnuViewProblems"));
  action("mnuViewProblems")->setCheckable(true);
  view->addSeparator();
  for (const char* name : {"mnuViewZoomIn", "mnuViewZoomOut", "mnuViewActualSize"}) view->addAction(action(name));
  QMenu* project = menuBar()->addMenu("&Project");
  project->setObjectName("mnuProject");
  project->addAction(generateAct_);
  project->addAction(action("mnuProjectPreview"));
  project->addAction(action("mnuProjectRemoveForm"));
  QMenu* tools = menuBar()->addMenu("&Tools");
  tools->setObjectName("mnuTools");
  tools->addAction(action("mnuToolsOptions"));
  tools->menuAction()->setVisible(false);
  QMenu* help = menuBar()->addMenu("&Help");
  help->setObjectName("mnuHelp");
  help->addAction(action("mnuHelpContents"));
  help->addAction(action("mnuHelpAbout"));
}

void MainWindow::rebuildRecentMenu() {
  recentMenu_->clear();
  QFontMetrics fm(recentMenu_->font());
  for (const auto& path : mru_.items()) {
    QString shown = fm.elidedText(qs(path), Qt::ElideMiddle, 250);
    QAction* a = recentMenu_->addAction(shown);
    a->setToolTip(qs(path));
    connect(a, &QAction::triggered, this, [this, path] { openRecent(path); });
  }
  recentMenu_->addSeparator();
  QAction* clear = recentMenu_->addAction("&Clear List");
  clear->setObjectName("mnuRecentClear");
  connect(clear, &QAction::triggered, this, [this] {
    mru_.clear();
    mru_.save(options_);
    options_.save(optionsPath_);
    rebuildRecentMenu();
  });
  QAction* obsolete = recentMenu_->addAction("&Remove Obsolete");
  obsolete->setObjectName("mnuRecentObsolete");
  connect(obsolete, &QAction::triggered, this, [this] {
    mru_.removeObsolete();
    mru_.save(options_);
    options_.save(optionsPath_);
    rebuildRecentMenu();
  });
}

HelpWindow* MainWindow::help() {
  if (!help_) help_ = new HelpWindow(qs(dataDir_ + "/tkw.hlp"));
  return help_;
}

void MainWindow::showHelp(int topic) { help()->showTopic(topic); }

void MainWindow::about() {
  holdZoom(true);
  AboutBox box(this);
  box.exec();
  holdZoom(false);
}

void MainWindow::options() {
  holdZoom(true);
  OptionsDialog dlg(this, options_, optionsPath_);
  dlg.run();
  holdZoom(false);
}

}  // namespace tw::ui
