// Any bytes as the manifest of an output folder's generated-file bases: read, and when it reads,
// written back and read again to the same entries, none naming a path out of the folder. Then any
// bytes as the three texts of a merge.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "codegen/GeneratedBase.h"
#include "codegen/MergeText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (auto m = tw::parseBaseManifest(bytes)) {
    for (const auto& e : m->files)
      if (e.file.empty() || e.file.find('/') != std::string::npos || e.file == "..") std::abort();
    auto again = tw::parseBaseManifest(tw::formatBaseManifest(*m));
    if (!again || again->files.size() != m->files.size()) std::abort();
    for (size_t i = 0; i < m->files.size(); ++i)
      if (again->files[i].file != m->files[i].file || again->files[i].size != m->files[i].size ||
          again->files[i].checksum != m->files[i].checksum)
        std::abort();
  }
  // The same bytes cut in three: base, the user's file, the new code.
  const size_t a = size / 3, b = 2 * size / 3;
  tw::MergedText merged = tw::mergeGenerated(std::string(bytes.substr(0, a)), std::string(bytes.substr(a, b - a)),
                                             std::string(bytes.substr(b)));
  if (merged.ok && merged.conflicts < 0) std::abort();
  return 0;
}
