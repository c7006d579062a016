#pragma once
// The main window's rules that need no window: captions, the questions of the project and form
// commands, the palette of each control library, the recent-projects list and options.ini.
#include <array>
#include <string>
#include <vector>

#include "Design.h"
#include "Messages.h"
#include "Project.h"

namespace tw {

class FormDocument;
class IniFile;

inline constexpr const char* kAppCaption = "Tarnowick 1.0";

// "Tarnowick 1.0" with no project, else "Tarnowick 1.0 - " + what names it, and a "*" after that
// while there is unsaved work.
std::string mainCaption(const std::string& projectShown, bool modified = false);

// What the project file records of its forms and settings, their contents aside. The project has
// unsaved work while this differs from what it was when the project was opened, created or saved,
// or while one of its shown forms has unsaved changes. An empty saved text never matches: a
// project set up any other way (restored from recovery copies) counts as unsaved.
std::string projectStateText(int library, const std::vector<std::unique_ptr<FormDocument>>& forms);
bool projectModified(const std::string& savedState, int library,
                     const std::vector<std::unique_ptr<FormDocument>>& forms);
// A form window's caption: its name + ".twk" until it has a file, then the file's name.
std::string formCaption(const FormDocument& form);

// The questions. Each answer is Yes, No or Cancel (or Yes/No where only those are offered).
Message saveProjectQuestion(const std::string& projectName);
Message saveFormQuestion(const std::string& formName);
// " already exists. Do you want to replace it?" under the command's caption, No the default.
Message replaceQuestion(const std::string& path, const std::string& caption);
inline constexpr const char* kSaveFormReplaceCaption = "Save form";
inline constexpr const char* kSaveProjectReplaceCaption = "New project";
inline constexpr const char* kMustSaveBeforeCodegen = "You must save the project before code generation";

// File dialogs of the commands.
struct FileDialogInfo {
  const char* title;
  const char* filterName;  // "Tarnowick form (*.twk)"
  const char* pattern;     // "*.twk"
  const char* defaultExt;  // "twk"
};
inline constexpr FileDialogInfo kSaveFormDialog{"Save Form", "Tarnowick form (*.twk)", "*.twk", "twk"};
inline constexpr FileDialogInfo kOpenFormDialog{"Open Form", "Tarnowick Form (*.twk)", "*.twk", "twk"};
inline constexpr FileDialogInfo kSaveProjectDialog{"Save project", "Tarnowick project (*.twp)", "*.twp", "twp"};
inline constexpr FileDialogInfo kOpenProjectDialog{"Open Project", "Tarnowick Project (*.twp)", "*.twp", "twp"};
// A chosen name without an extension gets the dialog's default one.
std::string withDefaultExtension(const std::string& path, const FileDialogInfo& dialog);

// The control palette: one toggle button per tool; which are shown and their hints depend on the library.
struct PaletteButton {
  Tool tool;
  const char* objectName;  // "spbButton"
  bool shown;
  const char* hint;
};
inline constexpr int kPaletteSize = 0
#define TW_TOOL(id, hint) +1
#include "Tools.def"
#undef TW_TOOL
    ;
// The palette for a library; false (nothing to change) for a library other than 1 or 2.
bool paletteFor(int library, std::array<PaletteButton, kPaletteSize>& out);

// The recent-projects list: at most ten paths, most recent first.
class RecentProjects {
 public:
  static constexpr size_t kMax = 10;
  static constexpr const char* kSection = "MRU Items";

  const std::vector<std::string>& items() const { return items_; }
  void add(const std::string& path);  // to the top; an entry already there moves up
  void remove(const std::string& path);
  void clear() { items_.clear(); }
  void removeObsolete();              // drops paths whose file no longer exists

  void load(const IniFile& ini);
  void save(IniFile& ini) const;  // the section is rewritten whole: F0, F1, ...

 private:
  std::vector<std::string> items_;
};

// options.ini: the library at start-up (General/Lib, default 2) and the tool-bar state.
inline constexpr const char* kToolBarSection = "ToolBars";
int optionsLibrary(const IniFile& ini);
void writeOptionsLibrary(IniFile& ini, int library);

// Writes the project file for form documents the designer owns, in their order: visible ones are
// saved through saveForm and listed, hidden (closed) ones are not.
bool writeDesignerProject(int library, const std::vector<std::unique_ptr<FormDocument>>& forms,
                          const std::string& path, const WindowSettings& windows, const FormSaver& saveForm,
                          std::string* why);

// Where options.ini lives: in the program's folder when it is writable, else in the user's
// configuration folder ($XDG_CONFIG_HOME, else ~/.config) under "tarnowick".
std::string optionsPath(const std::string& programDir, bool programDirWritable, const std::string& xdgConfigHome,
                        const std::string& home);

}  // namespace tw
