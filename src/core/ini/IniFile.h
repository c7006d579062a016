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
  // The place in sections() of the first section of a name; nullopt when there is none.
  std::optional<size_t> sectionIndex(std::string_view section) const;
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
  // value() and readList() of the section at a place of sections(): the reader of a record finds its
  // section once, and a repeated section name is read in its own right.
  std::optional<std::string> valueAt(size_t index, std::string_view key) const;
  std::optional<std::vector<std::string>> readListAt(size_t index, bool keepEmpty) const;

 private:
  // A key and its value as places in text_: a form of many thousand records is then not as many
  // thousand pairs of small strings to make, and to fault into memory.
  struct Entry {
    uint32_t key, keyLength, value, valueLength;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
    int line = 0;
  };
  std::string_view keyOf(const Entry& e) const { return std::string_view(text_).substr(e.key, e.keyLength); }
  std::string_view valueOf(const Entry& e) const { return std::string_view(text_).substr(e.value, e.valueLength); }
  // Appends the key and value to text_; a replaced entry's text is left behind until compact().
  Entry store(std::string_view key, std::string_view value);
  void compact();
  void parseText(std::string utf8);
  const Section* find(std::string_view name) const;
  std::optional<std::string> valueIn(const Section* s, std::string_view key) const;
  std::optional<std::vector<std::string>> listIn(const Section* s, bool keepEmpty) const;
  Section& findOrAdd(std::string_view name);
  void reindex();

  std::string path_;
  std::vector<Section> sections_;
  std::unordered_map<std::string, size_t> index_;  // lower-cased name -> first section of that name
  size_t lastWritten_ = SIZE_MAX;  // the section findOrAdd gave last: a record is written key by key
  std::string text_;               // the text read, then what was written since
  size_t unused_ = 0;              // bytes of text_ that no entry holds any more
};

// Integer text as the INI object reads it; nullopt when it is not a number.
std::optional<int> parseInteger(std::string_view text);

}  // namespace tw
