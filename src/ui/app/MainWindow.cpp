#include "MainWindow.h"

#include <QActionGroup>
#include <QClipboard>
#include <QMimeData>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "Dialogs.h"
#include "FileWatch.h"
#include "Recovery.h"
#include "Icons.h"
#include "SideWindows.h"
#include "codegen/GenerateDialog.h"
#include "documents/FormWindow.h"
#include "documents/Surface.h"
#include "graphics/Fonts.h"
#include "ini/AtomicBatch.h"
#include "ini/FileIO.h"
#include "model/ControlStream.h"
#include "model/DataDir.h"
#include "model/History.h"
#include "model/FormFile.h"

namespace tw::ui {
namespace {

// A small tool window of the work area: caption and close box only, its size fixed by its content.
QMdiSubWindow* toolWindow(QMdiArea* mdi, QWidget* content, const QString& caption) {
  auto* sub = new QMdiSubWindow;
  sub->setWidget(content);
  sub->setWindowTitle(caption);
  sub->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  sub->setAttribute(Qt::WA_DeleteOnClose, false);
  mdi->addSubWindow(sub);
  sub->hide();
  return sub;
}

}  // namespace

void MainWindow::toClipboard(const std::optional<std::string>& payload) {
  if (!payload) return;
  auto* data = new QMimeData;
  data->setData(kControlMimeType, QByteArray(payload->data(), qsizetype(payload->size())));
  QApplication::clipboard()->setMimeData(data);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
  // A tool window closed by its close box unchecks its View item.
  if (e->type() == QEvent::Hide || e->type() == QEvent::Show) {
    bool shown = e->type() == QEvent::Show;
    if (watched == zoomSub_) zoomAct_->setChecked(shown);
    if (watched == inspectorSub_) inspectorAct_->setChecked(shown);
  }
  return QMainWindow::eventFilter(watched, e);
}

MainWindow::MainWindow(const StartOptions& start)
    : messages_(this), optionsPath_(start.optionsPath), dataDir_(start.dataDir), designer_(messages_) {
  messages_.onModal = [this](bool open) { holdZoom(open); };
  setObjectName("MainForm");
  setWindowTitle(kAppCaption);
  QString exeDir = QCoreApplication::applicationDirPath();
  if (optionsPath_.empty()) {
    optionsPath_ = tw::optionsPath(ss(exeDir), QFileInfo(exeDir).isWritable(), ss(qEnvironmentVariable("XDG_CONFIG_HOME")),
                               ss(QDir::homePath()));
  }
  QDir().mkpath(QFileInfo(qs(optionsPath_)).absolutePath());
  if (dataDir_.empty()) dataDir_ = tw::dataDir();

  // The library the last run ended with, and the three handheld fonts.
  options_.load(optionsPath_);
  designer_.library = optionsLibrary(options_);
  for (const auto& problem : handheldFonts().load(dataDir_)) messages_.error(problem.message);

  mdi_ = new QMdiArea(this);
  mdi_->setObjectName("workArea");
  mdi_->setBackground(QColor(128, 128, 128));
  setCentralWidget(mdi_);
  connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
    if (auto* fw = qobject_cast<FormWindow*>(w)) formActivated(fw->form());
    // The magnifier stays behind the form windows.
    if (w == zoomSub_ && zoomSub_) zoomSub_->lower();
  });

  buildActions();
  buildMenus();
  buildToolBars();

  statusLib_ = new QLabel(this);
  statusLib_->setObjectName("statusLibrary");
  statusLib_->setFixedWidth(80);
  statusLib_->setAlignment(Qt::AlignCenter);
  statusSecond_ = new QLabel(this);
  statusSecond_->setFixedWidth(50);
  statusBar()->addWidget(statusLib_);
  statusBar()->addWidget(statusSecond_);

  // Tool-bar positions of the last run, and the recent projects.
  std::string state = fromHex(options_.readString(kToolBarSection, "State", ""));
  if (!state.empty()) restoreState(QByteArray(state.data(), qsizetype(state.size())));
  mru_.load(options_);
  rebuildRecentMenu();

  newProjectDialog_ = new NewProjectDialog(this);
  recovery_ = new Recovery(*this);
  files_ = new FileWatch(*this, *recovery_);
}

MainWindow::~MainWindow() {
  // A cell editor losing the focus as the windows go would apply its text to a designer that is gone.
  if (inspector_) inspector_->discardOpenEditor();
  // The work area signals activations while its windows are destroyed; this window is half gone by then.
  disconnect(mdi_, nullptr, this, nullptr);
  for (QMdiSubWindow* sub : {inspectorSub_, zoomSub_})
    if (sub) sub->removeEventFilter(this);
  // The form windows' surfaces call back into this window: they go while it is whole.
  for (auto& [form, window] : windows_) delete window;
  windows_.clear();
  writeOptions();
  delete help_;
}

void MainWindow::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (firstShown_) return;
  firstShown_ = true;
  inspector_ = new PropertiesEditor(*this);
  inspectorSub_ = toolWindow(mdi_, inspector_, "Properties Editor");
  zoom_ = new ZoomWindow(*this);
  zoomSub_ = toolWindow(mdi_, zoom_, "Zoom 2x");
  inspectorSub_->installEventFilter(this);
  zoomSub_->installEventFilter(this);
  projectName_.clear();
  projectFile_.clear();
  designer_.designColour = kWhite;
  updatePalette();
  designer_.controlCounter = 0;
  designer_.formCounter = 0;
  generateAct_->setEnabled(false);
}

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
      {"mnuViewZoom", "&Zoom", &MainWindow::toggleZoom, nullptr, nullptr},
      {"mnuViewProperties", "&Properties Editor", &MainWindow::toggleInspector, nullptr, nullptr},
      {"mnuProjectGenerate", "&Generate Code...", &MainWindow::generateCode, nullptr, nullptr},
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

// The clipboard commands: core's text stream of one control under a private type.
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

void MainWindow::saveCurrentForm() {
  if (FormDocument* f = designer_.currentForm()) saveForm(*f, false);
}

void MainWindow::saveCurrentFormAs() {
  if (FormDocument* f = designer_.currentForm()) saveForm(*f, true);
}

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
  QMenu* view = menuBar()->addMenu("&View");
  view->setObjectName("mnuView");
  view->addAction(zoomAct_);
  view->addAction(inspectorAct_);
  QMenu* project = menuBar()->addMenu("&Project");
  project->setObjectName("mnuProject");
  project->addAction(generateAct_);
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

void MainWindow::buildToolBars() {
  auto button = [](QToolBar* bar, QAction* act, const char* name, const char* hint) {
    bar->addAction(act);
    QWidget* w = bar->widgetForAction(act);
    w->setObjectName(name);
    w->setToolTip(hint);
  };
  QToolBar* fileBar = new QToolBar("File", this);
  fileBar->setObjectName("tbFile");
  button(fileBar, action("mnuFileNewProject"), "spbNewProject", "New Project");
  // The tool button hinted "Open Project" opens a form.
  auto* openProjectButton = new QAction(commandIcon("openproject"), "Open Project", this);
  connect(openProjectButton, &QAction::triggered, this, &MainWindow::openForm);
  button(fileBar, openProjectButton, "spbOpenProject", "Open Project");
  button(fileBar, action("mnuFileSaveProject"), "spbSaveProject", "Save Project");
  fileBar->addSeparator();
  button(fileBar, action("mnuFileNewForm"), "spbNewForm", "New Form");
  button(fileBar, action("mnuFileOpenForm"), "spbOpenForm", "Open Form");
  button(fileBar, action("mnuFileSaveForm"), "spbSaveForm", "Save Form");

  QToolBar* editBar = new QToolBar("Edit", this);
  editBar->setObjectName("tbEdit");
  button(editBar, undoAct_, "spbUndo", "Undo");
  button(editBar, redoAct_, "spbRedo", "Redo");
  button(editBar, action("mnuEditCut"), "spbCut", "Cut");
  button(editBar, action("mnuEditCopy"), "spbCopy", "Copy");
  button(editBar, action("mnuEditPaste"), "spbPaste", "Paste");

  QToolBar* alignBar = new QToolBar("Align & Size", this);
  alignBar->setObjectName("tbAlign");
  struct AlignButton {
    const char* name;
    const char* hint;
    const char* icon;
    AlignKind kind;
  };
  const AlignButton aligns[] = {
      {"spbALeft", "Align Left", "aleft", AlignKind::Left},       {"spbAright", "Align Right", "aright", AlignKind::Right},
      {"spbATop", "Align Top", "atop", AlignKind::Top},           {"spbABottom", "Align Bottom", "abottom", AlignKind::Bottom},
      {"spbSHeight", "Same Height", "sheight", AlignKind::Height}, {"spbSWidth", "Same Width", "swidth", AlignKind::Width},
  };
  for (const auto& al : aligns) {
    auto* action = new QAction(commandIcon(al.icon), al.hint, this);
    AlignKind kind = al.kind;
    // The current form's context-menu item does the work.
    connect(action, &QAction::triggered, this, [this, kind] {
      if (FormDocument* f = designer_.currentForm())
        if (FormWindow* w = windowOf(f)) w->surface()->alignItem(kind)->trigger();
    });
    button(alignBar, action, al.name, al.hint);
  }

  QToolBar* controls = new QToolBar("Controls", this);
  controls->setObjectName("tbControls");
  paletteGroup_ = new QActionGroup(this);
  paletteGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  std::array<PaletteButton, kPaletteSize> pal{};
  paletteFor(2, pal);
  for (int i = 0; i < kPaletteSize; ++i) {
    auto* action = new QAction(paletteIcon(pal[size_t(i)].tool), pal[size_t(i)].hint, this);
    action->setCheckable(true);
    action->setObjectName(QString(pal[size_t(i)].objectName) + "Action");
    paletteGroup_->addAction(action);
    controls->addAction(action);
    paletteActions_[size_t(i)] = action;
    palette_[size_t(i)] = qobject_cast<QToolButton*>(controls->widgetForAction(action));
    palette_[size_t(i)]->setObjectName(pal[size_t(i)].objectName);
    Tool tool = pal[size_t(i)].tool;
    connect(action, &QAction::toggled, this, [this, tool](bool on) {
      if (on)
        designer_.tool = tool;
      else if (designer_.tool == tool)
        designer_.tool = Tool::None;
    });
  }

  // "File" and "Controls" cannot be closed.
  for (QToolBar* bar : {fileBar, controls}) bar->toggleViewAction()->setEnabled(false);
  for (QToolBar* bar : {fileBar, editBar, alignBar, controls}) bar->setAllowedAreas(Qt::TopToolBarArea);
  addToolBar(Qt::TopToolBarArea, fileBar);
  addToolBar(Qt::TopToolBarArea, editBar);
  addToolBar(Qt::TopToolBarArea, alignBar);
  addToolBarBreak(Qt::TopToolBarArea);
  addToolBar(Qt::TopToolBarArea, controls);
}

QToolButton* MainWindow::paletteButton(Tool t) const {
  std::array<PaletteButton, kPaletteSize> pal{};
  paletteFor(2, pal);
  for (size_t i = 0; i < pal.size(); ++i)
    if (pal[i].tool == t) return palette_[i];
  return nullptr;
}

void MainWindow::updatePalette() {
  std::array<PaletteButton, kPaletteSize> pal{};
  if (!paletteFor(designer_.library, pal)) return;
  statusLib_->setText(qs(libraryCaption(designer_.library)));
  // 80 pixels wide, or as wide as the name needs in the desktop's font.
  statusLib_->setFixedWidth(std::max(80, statusLib_->fontMetrics().horizontalAdvance(statusLib_->text()) + 12));
  for (size_t i = 0; i < pal.size(); ++i) {
    paletteActions_[i]->setVisible(pal[i].shown);
    paletteActions_[i]->setText(pal[i].hint);
    paletteActions_[i]->setToolTip(pal[i].hint);
    palette_[i]->setToolTip(pal[i].hint);
  }
}

void MainWindow::syncPalette() {
  for (auto* a : paletteActions_)
    if (a->isChecked()) {
      // The creation released the tool.
      if (designer_.tool == Tool::None) a->setChecked(false);
    }
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

void MainWindow::writeOptions() {
  if (writtenOptions_) return;
  writtenOptions_ = true;
  // Read again so that what the options dialog wrote meanwhile stays.
  IniFile ini;
  ini.load(optionsPath_);
  QByteArray state = saveState();
  ini.writeString(kToolBarSection, "State", toHex(std::string(state.constData(), size_t(state.size()))));
  writeOptionsLibrary(ini, designer_.library);
  mru_.save(ini);
  std::string why;
  if (!ini.save(optionsPath_, &why)) qWarning("%s", why.c_str());
}

// ---- Projects

void MainWindow::setCaption(const std::string& shown) { setWindowTitle(qs(mainCaption(shown))); }

bool MainWindow::askSaveProject() {
  if (projectName_.empty()) return true;
  holdZoom(true);
  MsgButton b = messages_.show(saveProjectQuestion(projectName_));
  holdZoom(false);
  if (b == kCancel) return false;
  if (b == kYes) saveProject();
  return true;
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
  if (inspector_) inspector_->refresh();
  updateUndo();
  if (recovery_) recovery_->touched();
}

void MainWindow::newProject() {
  if (!askSaveProject()) return;
  holdZoom(true);
  int lib = designer_.library;
  bool ok = newProjectDialog_->ask(lib);
  holdZoom(false);
  if (!ok) return;
  closeAll();
  designer_.library = lib;
  designer_.formCounter = 0;
  projectName_ = "Project1";
  setCaption(projectName_);
  placeWindow(inspectorSub_, 0, 0);
  setInspectorShown(true);
  generateAct_->setEnabled(true);
  newForm();
  updatePalette();
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
  if (path) {
    writeProject(*path);
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

void MainWindow::writeProject(const std::string& path) {
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
  if (!files_->mayWriteProject(path)) return;
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
    return;
  }
  files_->projectSaved(path, saved);
  setCaption(fileNamePart(path));
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
  for (auto& pf : opened.project.forms) {
    FormDocument& form = designer_.addForm(std::move(pf.form));
    showNewForm(form, false);
  }
  for (const auto& m : opened.messages) messages_.error(m);
  if (opened.windows.inspectorShown) {
    setInspectorShown(true);
    placeWindow(inspectorSub_, opened.windows.inspectorLeft, opened.windows.inspectorTop);
  }
  generateAct_->setEnabled(true);
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

// ---- Forms

FormWindow* MainWindow::windowOf(const FormDocument* form) const {
  auto it = windows_.find(form);
  return it == windows_.end() ? nullptr : it->second;
}

FormWindow* MainWindow::showNewForm(FormDocument& form, bool placeByShowRules) {
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
    form.windowLeft = left;
    form.windowTop = top;
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
    form.fileName = *path;
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
  return true;
}

void MainWindow::generateCode() {
  holdZoom(true);
  if (projectFile_.empty()) {
    messages_.information(kMustSaveBeforeCodegen);
    saveProjectAs();
  } else {
    // One generate-code window for the program's life: its fields keep their values between uses.
    auto* dialog = findChild<GenerateDialog*>("frmGenerate");
    if (!dialog) dialog = new GenerateDialog(*this);
    dialog->run();
  }
  holdZoom(false);
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
  if (FormDocument* f = designer_.currentForm())
    if (FormWindow* w = windowOf(f)) w->refresh();
  if (inspector_) inspector_->refresh();
  if (zoom_) zoom_->refresh();
  updateUndo();
  if (recovery_) recovery_->touched();
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

void MainWindow::holdZoom(bool held) {
  if (!zoom_) return;
  // Dialogs nest (a project's save runs each form's save): the hold ends with the outermost one.
  zoom_->held = std::max(0, zoom_->held + (held ? 1 : -1));
  if (zoom_->held == 0) zoom_->refresh();
}

// ---- Tool windows

void MainWindow::setInspectorShown(bool shown) {
  if (!inspectorSub_) return;
  // The close box closes the content with its frame: both come back.
  if (shown) inspector_->show();
  inspectorSub_->setVisible(shown);
  inspectorAct_->setChecked(shown);
  if (shown) inspector_->refresh();
}

void MainWindow::setZoomShown(bool shown) {
  if (!zoomSub_) return;
  if (shown && !zoomSub_->isVisible()) {
    int l = 0, t = 0;
    windowPos(zoomSub_, l, t);
    zoom_->show();
    zoomSub_->show();
    if (l == 0 && t <= dockHeight()) placeWindow(zoomSub_, mdi_->width() - zoomSub_->width(), dockHeight());
    zoomSub_->lower();
    zoom_->refresh();
  } else if (!shown) {
    zoomSub_->hide();
  }
  zoomAct_->setChecked(shown);
}

void MainWindow::toggleZoom() { setZoomShown(!zoomSub_->isVisible()); }
void MainWindow::toggleInspector() { setInspectorShown(!inspectorSub_->isVisible()); }

int MainWindow::dockHeight() const {
  int menu = menuWidget() ? menuWidget()->height() : 0;
  return std::max(0, mdi_->geometry().top() - menu);
}

void MainWindow::placeWindow(QMdiSubWindow* w, int left, int top) {
  w->move(left, std::max(0, top - dockHeight()));
}

void MainWindow::windowPos(QMdiSubWindow* w, int& left, int& top) const {
  left = w->x();
  top = w->y() + dockHeight();
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
