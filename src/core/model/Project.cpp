#include "Project.h"

#include "Family.h"
#include "FormDocument.h"
#include "FormFile.h"
#include "base/AtomicBatch.h"
#include "base/FileIO.h"
#include "ini/IniFile.h"

namespace tw {
namespace {

// A relative path in the project file is taken from the project file's folder, so that a project
// and its forms can move together.
std::string resolveFormPath(const std::string& projectPath, const std::string& formPath) {
  if (formPath.empty() || formPath[0] == '/') return formPath;
  auto slash = projectPath.find_last_of('/');
  if (slash == std::string::npos) return formPath;
  return projectPath.substr(0, slash + 1) + formPath;
}

}  // namespace

std::vector<FormDocument*> Project::openForms() const {
  std::vector<FormDocument*> out;
  for (const auto& f : forms)
    if (f.visible && f.form) out.push_back(f.form.get());
  return out;
}

std::string projectNameFromFile(const std::string& path) {
  std::string name = fileNamePart(path);
  return name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
}

bool writeProjectFile(const Project& project, const std::string& path, const WindowSettings& windows,
                      const FormSaver& saveForm, std::string* why) {
  IniFile ini;
  // The file is updated in place: a file that exists but cannot be read is not overwritten, or the
  // generation settings in it would be lost.
  if (!ini.load(path, why)) return false;
  ini.writeString("Project", "Name", path);
  ini.writeInteger("Project", "Lib", project.library);
  ini.writeBool("Properties", "Active", windows.inspectorShown);
  if (windows.inspectorShown) {
    ini.writeInteger("Properties", "Top", windows.inspectorTop);
    ini.writeInteger("Properties", "Left", windows.inspectorLeft);
  }
  ini.writeBool("Zoom", "Active", windows.magnifierShown);
  if (windows.magnifierShown) {
    ini.writeInteger("Zoom", "Top", windows.magnifierTop.value_or(0));
    ini.writeInteger("Zoom", "Left", windows.magnifierLeft.value_or(0));
  }
  ini.eraseSection("ActiveForms");
  AtomicBatch batch;
  std::vector<std::string> errors;
  for (size_t n = 0; n < project.forms.size(); ++n) {
    const ProjectForm& pf = project.forms[n];
    if (!pf.form) continue;
    // A closed form is not saved, but its file stays in the project: it opens again with it.
    if (!pf.visible && (!pf.inProject || pf.form->fileName.empty())) continue;
    // A form partly read from its file keeps that file as it is (and listed), unsaved.
    const std::string refusal = pf.visible ? partlyReadRefusal(*pf.form, pf.form->fileName) : std::string();
    if (!refusal.empty())
      errors.push_back(refusal);
    else if (pf.visible && saveForm)
      saveForm(*pf.form, batch);
    ini.writeString("ActiveForms", "Form" + std::to_string(n), pf.form->fileName);
  }
  batch.add(path, ini.serialize());
  if (batch.commit(&errors) && errors.empty()) return true;
  if (why) {
    why->clear();
    for (const auto& e : errors) *why += (why->empty() ? "" : "\n") + e;
  }
  return false;
}

FormSaver saveFormsToTheirFiles() {
  return [](FormDocument& form, AtomicBatch& batch) {
    if (!form.fileName.empty()) batch.add(form.fileName, formToIni(form).serialize());
  };
}

OpenedProject readProject(const IniFile& ini, const std::string& path, Colour designColour, int* controlCounter) {
  OpenedProject out;
  Project& p = out.project;
  p.file = path;
  p.name = projectNameFromFile(path);
  p.library = ini.readInteger("Project", "Lib", 1);
  if (!familyFor(p.library)) {
    // Its forms could only be read as empty ones, and saving would write them back so.
    out.refused = true;
    out.error = path + " is not a project of a known control library (Lib " + std::to_string(p.library) + ")";
    return out;
  }

  WindowSettings& w = out.windows;
  w.magnifierShown = ini.readBool("Zoom", "Active", false);
  if (w.magnifierShown) {
    if (auto v = ini.value("Zoom", "Top"); v && parseInteger(*v)) w.magnifierTop = *parseInteger(*v);
    if (auto v = ini.value("Zoom", "Left"); v && parseInteger(*v)) w.magnifierLeft = *parseInteger(*v);
  }
  w.inspectorShown = ini.readBool("Properties", "Active", false);
  if (w.inspectorShown) {
    w.inspectorTop = ini.readInteger("Properties", "Top", 0);
    w.inspectorLeft = ini.readInteger("Properties", "Left", 0);
  }

  for (const auto& key : ini.keys("ActiveForms")) {
    std::string formPath = resolveFormPath(path, ini.readString("ActiveForms", key, ""));
    if (!fileExists(formPath)) {
      out.skipped.push_back(formPath);
      continue;
    }
    IniFile formIni;
    std::string why;
    FileStamp stamp = stampOf(formPath);
    if (!formIni.load(formPath, &why)) {
      out.skipped.push_back(formPath);
      out.messages.push_back(why);
      continue;
    }
    std::string name = formIni.readString("FORM", "Name", "");
    if (name.empty()) {
      out.skipped.push_back(formPath);
      continue;
    }
    // A form is read with its own library only; one of another library would lose the kinds the
    // project's library lacks, and then lose them on disk at the next save.
    if (formIni.readInteger("FORM", "Lib", 0) != p.library) {
      out.skipped.push_back(formPath);
      out.messages.push_back(formPath + " format is not of the project's library; the form was not opened");
      continue;
    }
    auto form = std::make_unique<FormDocument>(p.library, name);
    form->diskStamp = stamp;
    loadForm(*form, formIni, designColour, &out.messages, controlCounter);
    p.forms.push_back(ProjectForm{std::move(form), true});
  }
  return out;
}

OpenedProject readProjectFile(const std::string& path, Colour designColour, int* controlCounter) {
  IniFile ini;
  std::string why;
  FileStamp stamp = stampOf(path);
  if (!ini.load(path, &why)) {
    OpenedProject out;
    out.error = why;
    out.project.file = path;
    out.project.name = projectNameFromFile(path);
    return out;
  }
  OpenedProject out = readProject(ini, path, designColour, controlCounter);
  out.stamp = stamp;
  return out;
}

}  // namespace tw
