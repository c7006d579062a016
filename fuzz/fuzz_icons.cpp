// Any bytes as the picture chosen for each application icon: saving the output folder copies it when
// it is a bitmap and saves the default icon otherwise, and never anything else.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "codegen/Icons.h"
#include "codegen/OutputFolder.h"
#include "base/FileIO.h"

namespace {

const std::string& scratch() {
  static const std::string dir = [] {
    // A memory file system where there is one: every run writes nine files and flushes each.
    std::string tmpl = tw::isDirectory("/dev/shm") ? "/dev/shm/twfuzzicons.XXXXXX" : "/tmp/twfuzzicons.XXXXXX";
    return std::string(::mkdtemp(tmpl.data()));
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string chosen = scratch() + "/chosen.bmp";
  if (!tw::writeFileAtomic(chosen, bytes)) std::abort();

  tw::OutputRequest r;
  r.folder = scratch() + "/out";
  r.project = "P";
  r.library = 1;
  r.icons.fill(chosen);
  tw::GeneratedCode code;
  const tw::OutputResult result = tw::saveOutputFolder(r, code, [](const std::string&) { return tw::ReplaceAnswer::Yes; });
  if (!result.ok()) std::abort();

  const bool bitmap = bytes.size() > 2 && bytes.compare(0, 2, "BM") == 0;
  for (size_t i = 0; i < tw::kIconSlotCount; ++i) {
    const tw::IconSlot& slot = tw::iconSlots()[i];
    auto saved = tw::readWholeFile(tw::normaliseOutputFolder(r.folder) + slot.file);
    if (!saved) std::abort();
    const std::string expected = bitmap ? bytes : tw::defaultIconFile(slot.width, slot.height, slot.bitsPerPixel);
    if (*saved != expected) std::abort();
  }
  return 0;
}
