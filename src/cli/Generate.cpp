#include <ostream>

#include "Args.h"
#include "Cli.h"
#include "Commands.h"
#include "FormLoading.h"
#include "codegen/GeneratedBase.h"
#include "codegen/OutputFolder.h"
#include "graphics/Fonts.h"
#include "base/FileIO.h"
#include "ini/IniFile.h"
#include "model/Family.h"
#include "model/FormDocument.h"
#include "model/Project.h"

namespace tw {
namespace {

const char* kGenerateUsage =
    "Usage: tarnowick generate PROJECT.twp [--out DIR] [--target pde|memos] [--first-form NAME] [--merge] [--force]\n";

int usage(std::ostream& err, const std::string& why) {
  err << "tarnowick generate: " << why << "\n" << kGenerateUsage;
  return kExitUsage;
}

}  // namespace

int runGenerate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  ParsedArgs p = parseArgs(args, {"--out", "--target", "--first-form"}, {"--force", "--merge"});
  if (!p.error.empty()) return usage(err, p.error);
  if (p.positional.size() != 1) return usage(err, "generate takes one project file");
  if (p.options.count("--target") && p.options["--target"] != "pde" && p.options["--target"] != "memos")
    return usage(err, "--target is pde or memos");

  const std::string& path = p.positional[0];
  if (!fileExists(path)) {
    err << "tarnowick generate: " << path << ": no such project file\n";
    return kExitBadInput;
  }
  IniFile ini;
  std::string why;
  if (!ini.load(path, &why)) {
    err << "tarnowick generate: " << why << "\n";
    return kExitBadInput;
  }
  // No generator writes for another library: its code would be empty of every control.
  if (int lib = ini.readInteger("Project", "Lib", 1); !familyFor(lib)) {
    err << "tarnowick generate: " << path << ": not a project of a known control library (Project/Lib is " << lib
        << "; 1 is CControls, 2 PToolboxLib)\n";
    return kExitBadInput;
  }
  OpenedProject opened = readProject(ini, path, kWhite);
  Project& project = opened.project;
  for (const auto& s : opened.skipped) err << "tarnowick generate: warning: form file skipped: " << s << "\n";
  for (const auto& m : opened.messages) err << "tarnowick generate: warning: " << m << "\n";
  if (project.name.empty()) {
    err << "tarnowick generate: " << path << ": the file name gives no project name\n";
    return kExitBadInput;
  }

  // The forms are painted once, as the designer shows them, before anything reads them.
  loadFontsForCli(err);
  std::vector<const FormDocument*> forms;
  for (FormDocument* f : project.openForms()) {
    f->applyPaintRules(handheldFonts());
    forms.push_back(f);
  }

  GenerateRequest request;
  request.library = project.library;
  request.project = project.name;
  request.forms = forms;
  request.settings = readGenerationSettings(ini, "");
  GenerationSettings& s = request.settings;
  if (p.options.count("--target")) s.memos = p.options["--target"] == "memos";
  if (p.options.count("--first-form")) {
    const std::string& name = p.options["--first-form"];
    bool known = false;
    for (const FormDocument* f : forms) known |= sameText(f->formName, name);
    if (!known) {
      err << "tarnowick generate: --first-form " << name << ": the project has no open form of that name\n";
      return kExitUsage;
    }
    s.firstForm = name;
  }

  GeneratedCode code;
  if (!generateCode(request, code, &why)) {
    err << "tarnowick generate: " << path << ": " << why << "\n";
    return kExitBadInput;
  }

  OutputRequest target;
  target.folder = p.options.count("--out") ? p.options["--out"] : outputFolderFor(s, path);
  target.project = project.name;
  target.projectFile = path;
  target.library = project.library;
  target.memos = s.memos;
  target.icons = s.icons;
  const bool force = p.flags.count("--force") > 0, merge = p.flags.count("--merge") > 0;
  target.replaceIcons = force;
  // With both, a file that has no base to merge against is replaced.
  OutputResult result = saveOutputFolder(target, code, [force, merge](const std::string& file) {
    if (merge && (!force || hasGeneratedBase(file))) return ReplaceAnswer::Merge;
    return force ? ReplaceAnswer::Yes : ReplaceAnswer::No;
  });
  for (const auto& f : result.written) out << f << "\n";
  for (const auto& w : result.warnings) err << "tarnowick generate: warning: " << w << "\n";
  if (!result.ok()) {
    err << "tarnowick generate: " << result.error << "\n";
    if (!result.written.empty()) {
      err << "tarnowick generate: files already written:\n";
      for (const auto& f : result.written) err << "  " << f << "\n";
    }
    return kExitBadInput;
  }
  for (const auto& f : result.noBase)
    err << "tarnowick generate: " << f << " has no base to merge with (it was not generated here, or its copy in "
        << kBaseFolderName << " is damaged)\n";
  if (!result.conflicts.empty()) {
    err << "tarnowick generate: these files were merged and hold conflicts to resolve (<<<<<<< ... >>>>>>>):\n";
    for (const auto& f : result.conflicts) err << "  " << f << "\n";
  }
  if (!result.leftAlone.empty()) {
    err << "tarnowick generate: these files exist and were left alone (use " << (merge ? "" : "--merge to merge or ")
        << "--force to replace them):\n";
    for (const auto& f : result.leftAlone) err << "  " << f << "\n";
  }
  return result.leftAlone.empty() && result.conflicts.empty() ? kExitOk : kExitRefused;
}

}  // namespace tw
