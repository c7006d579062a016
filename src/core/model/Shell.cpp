#include "Shell.h"

#include <algorithm>
#include <cctype>

#include "DiskState.h"
#include "Family.h"
#include "FormDocument.h"
#include "base/FileIO.h"
#include "ini/IniFile.h"

namespace tw {

std::string mainCaption(const std::string& projectShown, bool modified) {
  if (projectShown.empty()) return kAppCaption;
  return std::string(kAppCaption) + " - " + projectShown + (modified ? "*" : "");
}

std::string projectStateText(int library, const std::vector<std::unique_ptr<FormDocument>>& forms) {
  std::string out = "Lib=" + std::to_string(library) + '\n';
  for (const auto& f : forms)
    out += f->fileName + '|' + f->formName + (f->visible ? "|shown" : "|hidden") + (f->inProject ? "|listed\n" : "\n");
  return out;
}

bool projectModified(const std::string& savedState, int library,
                     const std::vector<std::unique_ptr<FormDocument>>& forms) {
  if (savedState.empty() || savedState != projectStateText(library, forms)) return true;
  for (const auto& f : forms)
    if (f->visible && hasUnsavedChanges(*f)) return true;
  return false;
}

std::string formCaption(const FormDocument& form) {
  if (form.fileName.empty()) return form.formName + ".twk";
  return fileNamePart(form.fileName);
}

Message saveProjectQuestion(const std::string& projectName) {
  return {MsgIcon::Question, "Confirm", "Save changes to project " + projectName + "?", kYes | kNo | kCancel, kYes};
}

Message saveFormQuestion(const std::string& formName) {
  return {MsgIcon::Question, "Confirm", "Save changes to form " + formName + "?", kYes | kNo | kCancel, kYes};
}

Message replaceQuestion(const std::string& path, const std::string& caption) {
  return {MsgIcon::Question, caption, path + " already exists. Do you want to replace it?", kYes | kNo, kNo};
}

std::string withDefaultExtension(const std::string& path, const FileDialogInfo& dialog) {
  std::string name = fileNamePart(path);
  if (name.empty() || name.find('.') != std::string::npos) return path;
  return path + "." + dialog.defaultExt;
}

bool paletteFor(int library, std::array<PaletteButton, kPaletteSize>& out) {
  const Family* fam = familyFor(library);
  if (!fam) return false;
  static const PaletteButton kTools[kPaletteSize] = {
#define TW_TOOL(id, hint) {Tool::id, "spb" #id, false, hint},
#include "Tools.def"
#undef TW_TOOL
  };
  for (int i = 0; i < kPaletteSize; ++i) {
    out[size_t(i)] = kTools[i];
    if (const KindRow* kind = fam->kindFor(kTools[i].tool)) {
      out[size_t(i)].shown = true;
      if (kind->hint) out[size_t(i)].hint = kind->hint;
    }
  }
  return true;
}

namespace {
// options.ini holds one path a line: a path with a line break in it could not be read back as it is.
bool storablePath(const std::string& path) { return !path.empty() && path.find_first_of("\r\n") == std::string::npos; }
}  // namespace

void RecentProjects::add(const std::string& path) {
  if (!storablePath(path)) return;
  remove(path);
  items_.insert(items_.begin(), path);
  if (items_.size() > kMax) items_.resize(kMax);
}

void RecentProjects::remove(const std::string& path) {
  std::erase(items_, path);
}

void RecentProjects::removeObsolete() {
  std::erase_if(items_, [](const std::string& p) { return !fileExists(p); });
}

void RecentProjects::load(const IniFile& ini) {
  items_.clear();
  for (const auto& key : ini.keys(kSection)) {
    if (key.size() < 2 || (key[0] != 'F' && key[0] != 'f')) continue;
    std::string path = ini.readString(kSection, key, "");
    if (!storablePath(path) || std::find(items_.begin(), items_.end(), path) != items_.end()) continue;
    items_.push_back(path);
    if (items_.size() == kMax) break;
  }
}

void RecentProjects::save(IniFile& ini) const {
  ini.eraseSection(kSection);
  for (size_t i = 0; i < items_.size(); ++i) ini.writeString(kSection, "F" + std::to_string(i), items_[i]);
}

int optionsLibrary(const IniFile& ini) { return ini.readInteger("General", "Lib", 2); }

void writeOptionsLibrary(IniFile& ini, int library) { ini.writeInteger("General", "Lib", library); }

bool writeDesignerProject(int library, const std::vector<std::unique_ptr<FormDocument>>& forms,
                          const std::string& path, const WindowSettings& windows, const FormSaver& saveForm,
                          std::string* why) {
  // The project's list only borrows the documents: it gives them back before it goes.
  Project project;
  project.library = library;
  struct Lend {
    Project& p;
    ~Lend() {
      for (auto& f : p.forms) (void)f.form.release();
    }
  } lend{project};
  for (const auto& f : forms) project.forms.push_back(ProjectForm{std::unique_ptr<FormDocument>(f.get()), f->visible, f->inProject});
  return writeProjectFile(project, path, windows, saveForm, why);
}

std::string optionsPath(const std::string& programDir, bool programDirWritable, const std::string& xdgConfigHome,
                        const std::string& home) {
  if (programDirWritable && !programDir.empty()) return programDir + "/options.ini";
  std::string base = !xdgConfigHome.empty() ? xdgConfigHome : home + "/.config";
  return base + "/tarnowick/options.ini";
}

}  // namespace tw
