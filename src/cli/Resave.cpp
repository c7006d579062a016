#include <ostream>

#include "Args.h"
#include "Cli.h"
#include "Commands.h"
#include "FormLoading.h"
#include "Output.h"
#include "ini/IniFile.h"
#include "model/FormFile.h"

namespace tw {

int runResave(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  ParsedArgs p = parseArgs(args, {"--out"}, {});
  if (p.error.empty() && (p.positional.size() != 1 || !p.options.count("--out")))
    p.error = "resave takes one form file and --out";
  if (!p.error.empty()) {
    err << "tarnowick resave: " << p.error << "\nUsage: tarnowick resave FILE.twk --out OUT.twk\n";
    return kExitUsage;
  }
  LoadedForm loaded = loadFormForCli(p.positional[0], err);
  if (!loaded.form) return kExitBadInput;
  // A form read only in part would lose the records it skipped: the file they are in is not written over.
  const std::string& out = p.options["--out"];
  if (std::string refusal = partlyReadRefusal(*loaded.form, out); !refusal.empty()) {
    err << "tarnowick resave: " << refusal << "\n";
    return kExitRefused;
  }
  std::string why;
  if (!writeOutput(out, formToIni(*loaded.form).serialize(), &why)) {
    err << "tarnowick resave: " << why << "\n";
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace tw
