// Any bytes as a form file of either library: load, save, load again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ini/IniFile.h"
#include "model/Family.h"
#include "model/FormDocument.h"
#include "model/FormFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (int lib : {tw::kLibCControls, tw::kLibPToolbox}) {
    tw::IniFile ini;
    ini.parse(bytes);
    tw::FormDocument form(lib, ini.readString("FORM", "Name", "F"));
    std::vector<std::string> messages;
    tw::loadForm(form, ini, tw::kWhite, &messages);
    tw::IniFile again;
    again.parse(tw::formToIni(form).serialize());
    tw::FormDocument back(lib, form.formName);
    tw::loadForm(back, again, tw::kWhite, &messages);
  }
  return 0;
}
