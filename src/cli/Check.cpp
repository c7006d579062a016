#include <ostream>

#include "Args.h"
#include "Cli.h"
#include "Commands.h"
#include "FormLoading.h"
#include "base/FileIO.h"
#include "check/Checks.h"
#include "codegen/GenerationSettings.h"
#include "graphics/Fonts.h"
#include "ini/IniFile.h"
#include "model/Family.h"
#include "model/Project.h"

namespace tw {
namespace {

const char* kCheckUsage = "Usage: tarnowick check PROJECT.twp | FORM.twk ... [--format text|json]\n";

int usage(std::ostream& err, const std::string& why) {
  err << "tarnowick check: " << why << "\n" << kCheckUsage;
  return kExitUsage;
}

bool isProjectFile(const std::string& path) {
  return path.size() >= 4 && sameText(std::string_view(path).substr(path.size() - 4), ".twp");
}

// A project's forms and settings, read as the designer reads them; false (said on err) when unreadable.
struct ProjectToCheck {
  OpenedProject opened;
  GenerationSettings settings;
  int settingsLine = 0;
};
bool readProjectToCheck(const std::string& path, ProjectToCheck& out, std::ostream& err) {
  IniFile ini;
  std::string why;
  if (!fileExists(path)) why = path + ": no such project file";
  else if (!ini.load(path, &why)) {
  } else if (int lib = ini.readInteger("Project", "Lib", 1); !familyFor(lib))
    why = path + ": not a project of a known control library (Project/Lib is " + std::to_string(lib) + ")";
  if (!why.empty()) {
    err << "tarnowick check: " << why << "\n";
    return false;
  }
  out.opened = readProject(ini, path, kWhite);
  for (const auto& s : out.opened.skipped) err << "tarnowick check: warning: form file skipped: " << s << "\n";
  for (const auto& m : out.opened.messages) err << "tarnowick check: warning: " << m << "\n";
  out.settings = readGenerationSettings(ini, "");
  const std::vector<std::string> sections = ini.sections();
  for (size_t i = 0; i < sections.size() && !out.settingsLine; ++i)
    if (sameText(sections[i], "Code")) out.settingsLine = ini.sectionLine(i);
  return true;
}

}  // namespace

int runCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  ParsedArgs p = parseArgs(args, {"--format"}, {});
  if (!p.error.empty()) return usage(err, p.error);
  if (p.positional.empty()) return usage(err, "check takes a project file or form files");
  const std::string format = p.options.count("--format") ? p.options["--format"] : "text";
  if (format != "text" && format != "json") return usage(err, "--format is text or json");

  loadFontsForCli(err);
  std::vector<Problem> problems;
  bool unreadable = false;
  // Loose form files are checked together, as one set of forms that is not a whole project.
  std::vector<LoadedForm> loose;
  CheckRequest looseRequest;
  for (const std::string& path : p.positional) {
    if (!isProjectFile(path)) {
      LoadedForm form = loadFormForCli(path, err);
      if (!form.form) unreadable = true;
      else looseRequest.forms.push_back(form.form.get()), loose.push_back(std::move(form));
      continue;
    }
    ProjectToCheck project;
    if (!readProjectToCheck(path, project, err)) {
      unreadable = true;
      continue;
    }
    CheckRequest request;
    request.project = true;
    request.settings = &project.settings;
    request.settingsFile = path;
    request.settingsLine = project.settingsLine;
    for (FormDocument* f : project.opened.project.openForms()) {
      f->applyPaintRules(handheldFonts());
      request.forms.push_back(f);
    }
    for (Problem& pr : runChecks(request, handheldFonts())) problems.push_back(std::move(pr));
  }
  for (Problem& pr : runChecks(looseRequest, handheldFonts())) problems.push_back(std::move(pr));

  if (format == "json") {
    out << "[";
    for (size_t i = 0; i < problems.size(); ++i) out << (i ? ",\n  " : "\n  ") << problemJson(problems[i]);
    out << (problems.empty() ? "]\n" : "\n]\n");
  } else {
    for (const Problem& pr : problems) out << problemLine(pr) << "\n";
  }
  if (unreadable) return kExitBadInput;
  return problems.empty() ? kExitOk : kExitProblems;
}

}  // namespace tw
