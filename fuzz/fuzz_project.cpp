// Any bytes as a project file: open it with its forms, then generate code for both targets.
// The forms it may name are two small files in a scratch folder; other paths are kept inside it.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "codegen/Generate.h"
#include "base/FileIO.h"
#include "ini/IniFile.h"
#include "model/FormDocument.h"
#include "model/Project.h"

namespace {

const std::string& scratch() {
  static const std::string dir = [] {
    char tmpl[] = "/tmp/twfuzzproject.XXXXXX";
    std::string d = ::mkdtemp(tmpl);
    tw::writeFileAtomic(d + "/a.twk",
                        "[FORM]\r\nName=A\r\nLib=1\r\n[B1]\r\nControl=Button\r\nName=B1\r\nShowForm=B\r\n"
                        "[D1]\r\nControl=Dialog\r\nName=D1\r\n[L1]\r\nControl=ListBox\r\nName=L1\r\nParent=D1\r\n"
                        "Count=1\r\nItem0=x\r\n[M]\r\nControl=MenuBar\r\nName=M\r\n[N]\r\nControl=Menu\r\nName=N\r\n");
    tw::writeFileAtomic(d + "/b.twk",
                        "[FORM]\r\nName=B\r\nLib=2\r\n[R]\r\nControl=Button\r\nName=R\r\nType=1\r\n"
                        "[L]\r\nControl=List\r\nName=L\r\nCount=2\r\nItem0=p\r\nItem1=q\r\n[G]\r\nControl=GSI\r\nName=G\r\n");
    return d;
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tw::IniFile ini;
  ini.parse(std::string_view(reinterpret_cast<const char*>(data), size));
  // Keep every listed form inside the scratch folder.
  for (const auto& key : ini.keys("ActiveForms"))
    ini.writeString("ActiveForms", key, tw::fileNamePart(ini.readString("ActiveForms", key, "")));
  tw::OpenedProject opened = tw::readProject(ini, scratch() + "/P.twp", tw::kWhite);
  tw::GenerateRequest r;
  r.library = opened.project.library;
  r.project = opened.project.name;
  for (auto* f : opened.project.openForms()) r.forms.push_back(f);
  r.settings = tw::readGenerationSettings(ini, "");
  for (bool memos : {false, true}) {
    r.settings.memos = memos;
    tw::GeneratedCode code;
    tw::generateCode(r, code, nullptr);
    (void)tw::linesToFile(code.forms);
  }
  return 0;
}
