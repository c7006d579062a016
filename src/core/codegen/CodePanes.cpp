#include "CodePanes.h"

#include "base/FileIO.h"
#include "ini/IniFile.h"

namespace tw {
namespace {

// Loads the project file, lets change edit it and writes it back whole (through a temporary file).
template <class F> bool editProjectFile(const std::string& projectFile, F&& change, std::string* why) {
  IniFile ini;
  if (!ini.load(projectFile, why)) return false;
  change(ini);
  return ini.save(projectFile, why);
}

}  // namespace

std::string paneText(const Lines& lines) {
  size_t size = 0;
  for (const auto& l : lines) size += l.size() + 1;
  std::string text;
  text.reserve(size);
  for (const auto& l : lines) {
    text += l;
    text += '\n';
  }
  return text;
}

Lines paneLines(std::string_view text) {
  Lines lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (next != end && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = next;
  }
  return lines;
}

PaneCount countPane(std::string_view text) {
  PaneCount c;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (end < text.size() && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++c.lines;
    for (unsigned char ch : line)
      if ((ch & 0xC0) != 0x80) ++c.chars;  // one per character, not per UTF-8 byte
    if (end < text.size()) c.chars += 2;
    start = end + 1;
  }
  return c;
}

bool storeCodeSettings(const std::string& projectFile, const GenerationSettings& s, std::string* why) {
  return editProjectFile(projectFile, [&](IniFile& ini) { writeCodeSettings(ini, s); }, why);
}

bool storeIconChoice(const std::string& projectFile, size_t slot, const std::string& path, std::string* why) {
  return editProjectFile(projectFile, [&](IniFile& ini) { writeIconSetting(ini, slot, path); }, why);
}

std::array<std::string, kIconSlotCount> existingIcons(const GenerationSettings& s) {
  std::array<std::string, kIconSlotCount> icons;
  for (size_t i = 0; i < kIconSlotCount; ++i)
    if (!s.icons[i].empty() && fileExists(s.icons[i])) icons[i] = s.icons[i];
  return icons;
}

}  // namespace tw
