// Any bytes as options.ini, read as the designer reads it at start-up: the library, the design
// colour, the library paths, the tool-bar state and the recent projects; then written back as the
// designer writes it on closing and read again.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ini/IniFile.h"
#include "model/Shell.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tw::IniFile ini;
  ini.parse(std::string_view(reinterpret_cast<const char*>(data), size));
  const int library = tw::optionsLibrary(ini);
  std::array<tw::PaletteButton, tw::kPaletteSize> palette;
  (void)tw::paletteFor(library, palette);
  (void)ini.readBool("Design", "FormWhite", false);
  (void)ini.readString("Code", "CControlsPath", "");
  (void)ini.readString("Code", "PToolboxPath", "");
  const std::string state = tw::fromHex(ini.readString(tw::kToolBarSection, "State", ""));
  if (tw::fromHex(tw::toHex(state)) != state) std::abort();
  tw::RecentProjects recent;
  recent.load(ini);
  if (recent.items().size() > tw::RecentProjects::kMax) std::abort();
  recent.add("/tmp/new.twp");

  // Closing: the library, the tool bars and the list go back into the same object.
  tw::writeOptionsLibrary(ini, library);
  ini.writeString(tw::kToolBarSection, "State", tw::toHex(state));
  recent.save(ini);
  tw::IniFile again;
  again.parse(ini.serialize());
  if (tw::optionsLibrary(again) != library) std::abort();
  if (tw::fromHex(again.readString(tw::kToolBarSection, "State", "")) != state) std::abort();
  // Every listed path is read back as it was, unless the INI text itself changes it: blanks at
  // either end are trimmed and one pair of quotes around it is dropped on reading.
  auto plain = [](const std::string& p) {
    const char f = p.front(), b = p.back();
    return f != ' ' && f != '\t' && b != ' ' && b != '\t' && !(p.size() >= 2 && (f == '"' || f == '\'') && b == f);
  };
  if (std::all_of(recent.items().begin(), recent.items().end(), plain)) {
    tw::RecentProjects back;
    back.load(again);
    if (back.items() != recent.items()) std::abort();
  }
  return 0;
}
