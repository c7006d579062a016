#pragma once
// Small helpers for writing and reading one control's section of a form file.
#include <string>

#include "Control.h"
#include "graphics/Font.h"
#include "ini/IniFile.h"

namespace tw {

struct RecordWriter {
  IniFile& ini;
  const std::string& section;
  void str(const char* key, const std::string& v) const { ini.writeString(section, key, v); }
  void num(const char* key, long long v) const { ini.writeInteger(section, key, v); }
  void font(const Font& f) const { ini.writeString(section, "Font", fontToText(f)); }
  void list(const std::vector<std::string>& items) const { ini.writeList(section, items); }
};

struct RecordReader {
  const IniFile& ini;
  const std::string& section;
  std::string str(const char* key, const char* def) const { return ini.readString(section, key, def); }
  int num(const char* key, int def) const { return ini.readInteger(section, key, def); }
  // A missing, empty or unreadable font text leaves the inherited font.
  void font(Font& f) const {
    if (auto text = ini.value(section, "Font"); text && !text->empty()) fontFromText(*text, f);
  }
  std::optional<std::vector<std::string>> list(bool keepEmpty) const { return ini.readList(section, keepEmpty); }
};

// The name a record gives as `Parent`: the screen's ("panScreen") or a dialog's.
inline std::string parentName(const Control& c) { return c.parent() ? c.parent()->name() : std::string(); }

struct LoadContext;
// The last steps of every reader but the dialog's: the design colour, the record's name (the kind word
// when it has none) and the parent it names.
void finishRead(const RecordReader& r, LoadContext& ctx, std::unique_ptr<Control> c, const std::string& kind);
// The dialog record of both libraries, whose title key differs ("Content" or "Title"). A dialog with
// Test 1 becomes the form's shown dialog; any other Test hides it.
void readDialogRecord(const RecordReader& r, LoadContext& ctx, const char* titleKey);

}  // namespace tw
