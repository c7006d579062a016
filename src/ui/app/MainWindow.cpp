// The window itself: its work area, tool bars, status bar and tool windows, and the options it
// keeps between runs.
#include "MainWindow.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "Dialogs.h"
#include "FileWatch.h"
#include "FirstPaint.h"
#include "Icons.h"
#include "PreviewWindow.h"
#include "ProblemsWindow.h"
#include "Recovery.h"
#include "SideWindows.h"
#include "documents/FormWindow.h"
#include "documents/Surface.h"
#include "graphics/Fonts.h"
#include "model/DataDir.h"
#include "model/EditScale.h"

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

bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
  // A tool window closed by its close box unchecks its View item.
  if (e->type() == QEvent::Hide || e->type() == QEvent::Show) {
    bool shown = e->type() == QEvent::Show;
    if (watched == zoomSub_) zoomAct_->setChecked(shown);
    if (watched == inspectorSub_) inspectorAct_->setChecked(shown);
    if (watched == problemsSub_) action("mnuViewProblems")->setChecked(shown);
  }
  return QMainWindow::eventFilter(watched, e);
}

MainWindow::MainWindow(const StartOptions& start)
    : messages_(this), optionsPath_(start.optionsPath), dataDir_(start.dataDir), designer_(messages_) {
  messages_.onModal = [this](bool open) { holdZoom(open); };
  DialogFolders::projectFile = [this] { return projectFile_; };
  setObjectName("MainForm");
  setWindowTitle(kAppCaption);
  QString exeDir = QCoreApplication::applicationDirPath();
  if (dataDir_.empty()) dataDir_ = tw::dataDir();
  if (optionsPath_.empty()) {
    // Options sit beside a program that has its data beside it (a build or a copied folder); an
    // installed one keeps them in the user's folder, even when root could write to /usr/bin.
    bool besideProgram = QFileInfo(exeDir).isWritable() && qs(dataDir_) == exeDir;
    optionsPath_ = tw::optionsPath(ss(exeDir), besideProgram, ss(qEnvironmentVariable("XDG_CONFIG_HOME")),
                               ss(QDir::homePath()));
  }
  QDir().mkpath(QFileInfo(qs(optionsPath_)).absolutePath());

  // The library the last run ended with.
  options_.load(optionsPath_);
  designer_.library = optionsLibrary(options_);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    editScale_ = optionsEditScale(options_, screen->size().height());

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

  recovery_ = new Recovery(*this);
  files_ = new FileWatch(*this, *recovery_);
}

MainWindow::~MainWindow() {
  // A cell editor losing the focus as the windows go would apply its text to a designer that is gone.
  if (inspector_) inspector_->discardOpenEditor();
  // The work area signals activations while its windows are destroyed; this window is half gone by then.
  disconnect(mdi_, nullptr, this, nullptr);
  for (QMdiSubWindow* sub : {inspectorSub_, zoomSub_, problemsSub_})
    if (sub) sub->removeEventFilter(this);
  // The form windows' surfaces call back into this window: they go while it is whole.
  for (auto& [form, window] : windows_) delete window;
  windows_.clear();
  writeOptions();
  delete help_;
  DialogFolders::projectFile = nullptr;
}

void MainWindow::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (firstShown_) return;
  firstShown_ = true;
  projectName_.clear();
  projectFile_.clear();
  designer_.designColour = kWhite;
  updatePalette();
  designer_.controlCounter = 0;
  designer_.formCounter = 0;
  generateAct_->setEnabled(false);
  // The tool windows start hidden: they and the handheld fonts are made once the window is on the
  // screen, or when first needed.
  afterFirstPaint(*this, [this] { makeToolWindows(); });
}

void MainWindow::makeToolWindows() {
  if (inspector_) return;
  // The forms draw with the handheld fonts, and no form is shown before this. Until they are read,
  // their stand-ins give every text the same size.
  for (const auto& problem : handheldFonts().load(dataDir_)) messages_.error(problem.message);
  inspector_ = new PropertiesEditor(*this);
  inspectorSub_ = toolWindow(mdi_, inspector_, "Properties Editor");
  zoom_ = new ZoomWindow(*this);
  zoomSub_ = toolWindow(mdi_, zoom_, "Zoom 2x");
  problems_ = new ProblemsWindow(*this);
  problemsSub_ = toolWindow(mdi_, problems_, "Problems");
  for (QMdiSubWindow* sub : {inspectorSub_, zoomSub_, problemsSub_}) sub->installEventFilter(this);
}

PropertiesEditor* MainWindow::inspector() {
  makeToolWindows();
  return inspector_;
}

ZoomWindow* MainWindow::zoom() {
  makeToolWindows();
  return zoom_;
}

ProblemsWindow* MainWindow::problems() {
  makeToolWindows();
  return problems_;
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
  statusLib_->setText(qs(libraryName(designer_.library)));
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

void MainWindow::writeOptions() {
  if (writtenOptions_) return;
  writtenOptions_ = true;
  // Read again so that what the options dialog wrote meanwhile stays.
  IniFile ini;
  ini.load(optionsPath_);
  QByteArray state = saveState();
  ini.writeString(kToolBarSection, "State", toHex(std::string(state.constData(), size_t(state.size()))));
  writeOptionsLibrary(ini, designer_.library);
  if (editScaleChosen_) writeOptionsEditScale(ini, editScale_);
  mru_.save(ini);
  std::string why;
  if (!ini.save(optionsPath_, &why)) qWarning("%s", why.c_str());
}

void MainWindow::holdZoom(bool held) {
  if (!zoom_) return;
  // Dialogs nest (a project's save runs each form's save): the hold ends with the outermost one.
  zoom_->held = std::max(0, zoom_->held + (held ? 1 : -1));
  if (zoom_->held == 0) zoom_->refresh();
}

void MainWindow::setInspectorShown(bool shown) {
  makeToolWindows();
  // The close box closes the content with its frame: both come back.
  if (shown) inspector_->show();
  inspectorSub_->setVisible(shown);
  inspectorAct_->setChecked(shown);
  if (shown) inspector_->refresh();
}

void MainWindow::setZoomShown(bool shown) {
  makeToolWindows();
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

void MainWindow::scaleForm(FormWindow& w, int scale) {
  editScale_ = clampEditScale(scale);
  editScaleChosen_ = true;
  w.setScale(editScale_);
  if (auto* preview = findChild<PreviewWindow*>("frmPreview")) preview->setScale(editScale_);
}

void MainWindow::zoomIn() {
  if (FormWindow* w = windowOf(designer_.currentForm())) scaleForm(*w, w->view()->pixels().scale + 1);
}

void MainWindow::zoomOut() {
  if (FormWindow* w = windowOf(designer_.currentForm())) scaleForm(*w, w->view()->pixels().scale - 1);
}

void MainWindow::actualSize() {
  if (FormWindow* w = windowOf(designer_.currentForm())) scaleForm(*w, 1);
}

void MainWindow::toggleZoom() {
  makeToolWindows();
  setZoomShown(!zoomSub_->isVisible());
}

void MainWindow::toggleInspector() {
  makeToolWindows();
  setInspectorShown(!inspectorSub_->isVisible());
}

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

}  // namespace tw::ui
