#pragma once
// The designer's main window: menus, tool bars, the control palette, the status bar, the recent
// projects, and the project and form commands. It holds the process-wide designer state (core's
// Designer) and one window per form document inside its work area. Its methods live by concern in
// MainWindow.cpp (the window), MainWindowActions.cpp (the command table and menus),
// ProjectCommands.cpp and FormCommands.cpp.
#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "UiHooks.h"
#include "editors/PropertiesEditor.h"
#include "ini/IniFile.h"
#include "model/Designer.h"
#include "model/Project.h"
#include "model/Shell.h"

class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class QToolButton;

namespace tw::ui {

class FileWatch;
class FormWindow;
class Recovery;
class ZoomWindow;
class ProblemsWindow;
class HelpWindow;
class NewProjectDialog;

struct StartOptions {
  std::string optionsPath;  // options.ini; empty: the program's folder or the user's config folder
  std::string dataDir;      // fonts and tkw.hlp; empty: beside the executable, else the installed data
};

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(const StartOptions& start);
  ~MainWindow() override;

  Designer& designer() { return designer_; }
  UiMessages& messages() { return messages_; }
  const std::string& projectName() const { return projectName_; }
  const std::string& projectFile() const { return projectFile_; }
  const std::string& optionsPath() const { return optionsPath_; }
  const RecentProjects& recent() const { return mru_; }
  QLabel* libraryPanel() const { return statusLib_; }
  QToolButton* paletteButton(Tool t) const;
  // The tool windows, made on first use if the window has not yet been painted.
  PropertiesEditor* inspector();
  ZoomWindow* zoom();
  HelpWindow* help();
  QMdiArea* workArea() const { return mdi_; }
  FormWindow* windowOf(const FormDocument* form) const;
  FileWatch* fileWatch() const { return files_; }
  Recovery* recovery() const { return recovery_; }

  // ---- Commands (the menus' and tool buttons' actions).
  void newProject();
  void saveProject();
  void saveProjectAs();
  void openProject();
  void openRecent(const std::string& path);
  void closeAllCommand();
  void newForm();
  void openForm();
  void closeForm();
  void removeFormFromProject();
  bool saveForm(FormDocument& form, bool saveAs);
  // The save dialog (when saveAs or the form has no file) and the replace question; false: write nothing.
  bool prepareFormSave(FormDocument& form, bool saveAs);
  void generateCode();
  void showPreview();  // Project > Preview (app/PreviewWindow.cpp)
  void toggleZoom();
  void toggleInspector();
  void toggleProblems();  // View > Problems (ProblemsWindow.cpp)
  ProblemsWindow* problems();
  // The current form window's scale one step up or down, or back to one screen pixel per pixel.
  void zoomIn();
  void zoomOut();
  void actualSize();
  void showHelp(int topic);  // 0: the contents
  void about();
  void options();
  // Opens a project file as the recent entry and the command line do (no question).
  void openProjectFile(const std::string& path);

  // ---- What the form windows tell.
  void formActivated(FormDocument& form);
  // A form's window was closed or the form removed from the project: it is hidden, and the
  // inspector shows nothing of it.
  void formHidden(FormDocument& form);
  // A left release on the screen (target the screen or the shown dialog, x and y on it).
  void place(FormDocument& form, int x, int y, Control* target);
  // Something of the current form changed: its picture, the inspector and the magnifier follow.
  void changed();
  // A form window shown at a scale (clamped to 1..4); new form windows open at the last one chosen.
  void scaleForm(FormWindow& w, int scale);
  int editScale() const { return editScale_; }
  // The magnifier's refresh is held while a modal dialog is open.
  void holdZoom(bool held);
  // Undo and redo of the current form's design changes; Edit's items name the step they act on
  // and are off when there is none.
  void undoCommand();
  void redoCommand();
  void updateUndo();

  // Dock height in the sense of the form files: the work area's offset below the menu bar.
  int dockHeight() const;
  // A window's position in the form file's sense and back.
  void placeWindow(QMdiSubWindow* w, int left, int top);
  void windowPos(QMdiSubWindow* w, int& left, int& top) const;

 protected:
  friend class Recovery;  // restoring a crashed run's work sets up the project as opening does
  bool eventFilter(QObject* watched, QEvent* e) override;
  void closeEvent(QCloseEvent*) override;
  void showEvent(QShowEvent*) override;

 private:
  // The window (MainWindow.cpp).
  void buildToolBars();
  void updatePalette();
  void syncPalette();
  void writeOptions();
  void setInspectorShown(bool shown);
  void setZoomShown(bool shown);
  void makeToolWindows();
  // The command table and the menus (MainWindowActions.cpp).
  void buildActions();
  void buildMenus();
  void rebuildRecentMenu();
  QAction* action(const char* name) const;  // one of buildActions' commands, by object name
  void exitCommand();
  void helpContents();
  void contextHelp();  // F1
  // Projects (ProjectCommands.cpp).
  bool askSaveProject();  // the save question; false when the command is to stop
  void closeAll();        // CerrarTodo
  bool writeProject(const std::string& path);
  void readProject(const std::string& path);
  void setCaption(const std::string& shown);
  // Forms (FormCommands.cpp).
  FormWindow* showNewForm(FormDocument& form, bool placeByShowRules);
  void saveCurrentForm();
  void saveCurrentFormAs();
  void cutCommand();
  void copyCommand();
  void pasteCommand();
  void selectAllCommand();
  void toClipboard(const std::optional<std::string>& payload);
  // Unsaved work: the caption's "*" and the save questions follow it.
  bool projectUnsaved() const;
  void markProjectSaved();
  void showModified();

  UiMessages messages_;
  std::string optionsPath_, dataDir_;
  IniFile options_;
  RecentProjects mru_;
  Designer designer_;
  std::string projectName_, projectFile_;
  std::string captionShown_, savedProject_;  // the caption's name; projectStateText when last saved
  bool firstShown_ = false;
  // While a project's forms are being shown one by one, the windows follow once, after the last.
  bool showingForms_ = false;
  bool writtenOptions_ = false;
  int editScale_ = 1;
  bool editScaleChosen_ = false;  // until the user picks one, the screen decides each run

  QMdiArea* mdi_ = nullptr;
  PropertiesEditor* inspector_ = nullptr;
  QMdiSubWindow* inspectorSub_ = nullptr;
  ZoomWindow* zoom_ = nullptr;
  QMdiSubWindow* zoomSub_ = nullptr;
  ProblemsWindow* problems_ = nullptr;
  QMdiSubWindow* problemsSub_ = nullptr;
  HelpWindow* help_ = nullptr;
  NewProjectDialog* newProjectDialog_ = nullptr;
  std::map<const FormDocument*, FormWindow*> windows_;
  QLabel* statusLib_ = nullptr;
  QLabel* statusSecond_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  QActionGroup* paletteGroup_ = nullptr;
  std::array<QToolButton*, kPaletteSize> palette_{};
  std::array<QAction*, kPaletteSize> paletteActions_{};
  QAction* generateAct_ = nullptr;
  QAction* zoomAct_ = nullptr;
  QAction* inspectorAct_ = nullptr;
  QAction* undoAct_ = nullptr;
  QAction* redoAct_ = nullptr;
  Recovery* recovery_ = nullptr;
  FileWatch* files_ = nullptr;
};

// Starts the designer: the application object, the main window, an optional project or form file.
int runDesigner(int argc, char** argv);
// Once the shown window's first picture is on the screen: offers what a crashed run left, else opens
// file (a project, or a form by its .twk ending) if one is named; then calls done.
void openOnceShown(MainWindow& main, const QString& file, std::function<void()> done = {});

}  // namespace tw::ui
