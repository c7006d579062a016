#include "Generate.h"

#include "CCCode.h"
#include "PTCode.h"
#include "model/Family.h"

namespace tw {

bool generateCode(const GenerateRequest& r, GeneratedCode& out, std::string* why) {
  out = GeneratedCode{};
  GenerationContext ctx{r.project, r.forms, pickFirstForm(r.forms, r.settings.firstForm), r.settings.memos};
  if (!ctx.firstForm) {
    if (why) *why = "The project has no open form: there is no first form to generate code for.";
    return false;
  }
  out.main = mainFileFirstLines(r.settings, r.project);
  if (r.library == kLibCControls) {
    cccode::writeMainFile(out.main, ctx);
    cccode::writeFormsFile(out.forms, ctx);
    cccode::writeEventsFile(out.events, ctx);
    cccode::writeHeaderFile(out.header, ctx);
  } else if (r.library == kLibPToolbox) {
    ptcode::writeMainFile(out.main, ctx);
    ptcode::writeFormsFile(out.forms, ctx);
    ptcode::writeEventsFile(out.events, ctx);
    ptcode::writeHeaderFile(out.header, ctx);
  }
  return true;
}

}  // namespace tw
