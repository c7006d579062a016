#pragma once
// INI text: sections and keys kept in file order, looked up without regard to case.
// On disk the text is Windows-1252 with CR LF line ends; in memory it is UTF-8.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/Text.h"

namespace tw {

class IniFile {
 public:
  IniFile() = default;

  // Reads the file at path; a missing file reads as empty. Returns false (with why) when it exists but
  // cannot be read; the object then stays empty but remembers the path.
  bool load(const std::string& path, std::string* why = nullptr);
  // Replaces the content with INI text given as Windows-1252 bytes.
  void parse(std::string_view bytes);
  // The whole text as Windows-1252 bytes with CR LF line ends.
  std::string serialize() const;
  // Writes a temporary file beside path and renames it over path, so a failed write leaves the old file whole.
  bool save(const std::string& path, std::string* why = nullptr) const;

  const std::string& path() const { return path_; }
  void setPath(std::string p) { path_ = std::move(p); }

  std::vector<std::string> sections() const;  // in file order, duplicates included
  // The section at a place of sections() alone, so that a repeated name can be read in its own right.
  IniFile sectionAt(size_t index) const;
  // The line (from 1) of the header of the section at a place of sections(); 0 for one not read from text.
  int sectionLine(size_t index) const { return index < sections_.size() ? sections_[index].line : 0; }
  std::vector<std::string> keys(std::string_view section) const;
  bool hasSection(std::string_view section) const;
  std::optional<std::string> value(std::string_view section, std::string_view key) const;

  std::string readString(std::string_view section, std::string_view key, std::string_view def) const;
  // Decimal, or hexadecimal after "0x", "0X" or "$"; anything else (or out of range) gives def.
  int readInteger(std::string_view section, std::string_view key, int def) const;
  bool readBool(std::string_view section, std::string_view key, bool def) const;

  void writeString(std::string_view section, std::string_view key, std::string_view value);
  void writeInteger(std::string_view section, std::string_view key, long long value);
  void writeBool(std::string_view section, std::string_view key, bool value);
  void eraseSection(std::string_view section);

  // String lists: `Count` and Item0, Item1, ... (erasing the section first on writing).
  void writeList(std::string_view section, const std::vector<std::string>& items);
  // The items of a list; nullopt when `Count` is missing. Missing Item keys are skipped, and with
  // keepEmpty false so are empty texts. Costs what the section holds, whatever `Count` says.
  std::optional<std::vector<std::string>> readList(std::string_view section, bool keepEmpty) const;

 private:
  struct Entry {
    std::string key, value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
    int line = 0;
  };
  const Section* find(std::string_view name) const;
  Section& findOrAdd(std::string_view name);
  void reindex();

  std::string path_;
  std::vector<Section> sections_;
  std::unordered_map<std::string, size_t> index_;  // lower-cased name -> first section of that name
};

// Integer text as the INI object reads it; nullopt when it is not a number.
std::optional<int> parseInteger(std::string_view text);

}  // namespace tw
