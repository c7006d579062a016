#pragma once
// The bases of generated files: beside the files of an output folder, a hidden folder keeps an exact
// copy of what was last generated into each, and a manifest naming the project, the time and each
// copy's size and checksum. A copy that does not match its manifest line, or a manifest that cannot
// be read, is no base at all: the file is then treated as edited with nothing to merge against.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

inline constexpr const char* kBaseFolderName = ".tarnowick";

struct BaseEntry {
  std::string file;  // a plain file name, no folder
  uint64_t size = 0;
  uint64_t checksum = 0;
};

struct BaseManifest {
  std::string project;      // the project file the files came from
  std::string time;         // when they were generated, UTC, ISO 8601
  std::vector<BaseEntry> files;
  const BaseEntry* find(const std::string& file) const;
};

uint64_t baseChecksum(std::string_view bytes);

// Nothing when the bytes are not a manifest; a line that is not understood makes it unreadable.
std::optional<BaseManifest> parseBaseManifest(std::string_view bytes);
std::string formatBaseManifest(const BaseManifest& manifest);

// The bases of one output folder.
class GeneratedBases {
 public:
  explicit GeneratedBases(std::string folder);  // the output folder, with or without its separator
  // The last generated copy of a file of the folder (by its full name or plain name), if it is intact.
  std::optional<std::string> baseOf(const std::string& file) const;
  // Records what was just written into a file; kept in memory until commit.
  void record(const std::string& file, std::string bytes);
  // Writes the recorded copies, then the manifest, each atomically; false with why on failure.
  bool commit(const std::string& project, std::string* why);

 private:
  std::string folder_;  // the hidden folder, with its separator
  BaseManifest manifest_;
  std::vector<std::pair<std::string, std::string>> recorded_;
};

// Whether the file (a full name) has an intact base in its folder.
bool hasGeneratedBase(const std::string& path);

}  // namespace tw
