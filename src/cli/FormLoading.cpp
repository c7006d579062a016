#include "FormLoading.h"

#include <ostream>

#include "graphics/Fonts.h"
#include "base/FileIO.h"
#include "ini/IniFile.h"
#include "model/DataDir.h"
#include "model/Family.h"
#include "model/FormFile.h"

namespace tw {

void loadFontsForCli(std::ostream& err) {
  static bool loaded = false;
  if (loaded) return;
  loaded = true;
  const std::string dir = dataDir();
  for (const FontSet::Problem& p : handheldFonts().load(dir)) {
    err << "tarnowick: warning: " << p.file << (p.detail.empty() ? " not found" : " cannot be read (" + p.detail + ")")
        << " in " << dir << "; drawing with a substitute font\n";
  }
}

LoadedForm loadFormForCli(const std::string& path, std::ostream& err) {
  LoadedForm out;
  loadFontsForCli(err);
  if (!fileExists(path)) {
    err << "tarnowick: " << path << ": no such form file\n";
    return out;
  }
  IniFile ini;
  std::string why;
  if (!ini.load(path, &why)) {
    err << "tarnowick: " << why << "\n";
    return out;
  }
  int lib = ini.readInteger("FORM", "Lib", 0);
  if (!familyFor(lib)) {
    err << "tarnowick: " << path << ": not a form file of a known control library (FORM/Lib is " << lib << ")\n";
    return out;
  }
  OpenedForm opened = openFormIni(ini, lib, kWhite);
  if (!opened.form) {
    err << "tarnowick: " << (opened.error.empty() ? path + ": the form has no name (FORM/Name)" : opened.error)
        << "\n";
    return out;
  }
  for (const auto& m : opened.messages) err << "tarnowick: warning: " << path << ": " << m << "\n";
  out.form = std::move(opened.form);
  // The designer paints a form as soon as it is loaded, before anything reads it back.
  out.form->applyPaintRules(handheldFonts());
  return out;
}

}  // namespace tw
