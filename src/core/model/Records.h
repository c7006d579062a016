#pragma once
// A control's section of a form file, as table rows: each family lists its kinds once, with the keys
// a record writes and the keys it reads with their defaults, and one writer and one reader walk them
// through the class's published properties.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "Control.h"
#include "graphics/Font.h"
#include "ini/IniFile.h"

namespace tw {

struct LoadContext;

// How a key's file text stands for its property.
enum class RecConv : uint8_t {
  Kind,       // the record's kind word ("Control"); no property
  Name,       // the control's name; read last, the kind word when missing
  Parent,     // the name of the dialog or the screen holding it; read last
  Number,     // a decimal number (an Alignment property in the framework's order 0 left, 1 right, 2 centre)
  Text,       // the text itself
  Font,       // the font as text; a missing or empty one leaves the control's font
  AlignCode,  // the Alignment property as 0 left, 1 centre, 2 right
  Items,      // Count and Item0...; written before any other key, since writing a list clears the section
};

struct RecKey {
  const char* key;
  RecConv conv;
  const char* prop = nullptr;  // the property, where its name is not the key's
  const char* property() const { return prop ? prop : key; }
};

// The keys most records share, and shorthands for the others, for the families' tables.
namespace recordkeys {
inline const RecKey kKind{"Control", RecConv::Kind}, kName{"Name", RecConv::Name}, kParent{"Parent", RecConv::Parent};
inline const RecKey kFont{"Font", RecConv::Font}, kItems{"Items", RecConv::Items};
inline const RecKey kLeft{"Left", RecConv::Number}, kTop{"Top", RecConv::Number};
inline const RecKey kWidth{"Width", RecConv::Number}, kHeight{"Height", RecConv::Number};
inline RecKey num(const char* key, const char* prop = nullptr) { return {key, RecConv::Number, prop}; }
inline RecKey text(const char* key, const char* prop = nullptr) { return {key, RecConv::Text, prop}; }
}  // namespace recordkeys

using RecValue = std::variant<long long, const char*>;
// A key a record reads and the value a missing (or unreadable) one gives; or, among a row's fixed
// values, a property and the value every read record of the kind gets whatever the file holds.
struct RecRead {
  const char* key;
  RecValue value = 0LL;
};

struct RecordReader;
using RecordReadFn = void (*)(const RecordReader&, LoadContext&);

struct RecordRow {
  const char* kind;
  ClassId cls;
  std::vector<RecKey> write;           // keys in write order
  std::vector<RecRead> read;           // keys in read order, each one of the written keys
  std::vector<RecRead> fixed = {};     // set after the keys are read
  RecordReadFn readSpecial = nullptr;  // a kind whose reading is code of its own (dialog, menus)
};

struct RecordTable {
  std::vector<RecordRow> rows;
  bool keepEmptyItems;  // whether an empty item of a list is read as one
  // The row of a kind word, compared exactly; nullptr when the family has no such kind.
  const RecordRow* byKind(std::string_view kind) const;
  // The first row of a class: the kind word the family writes for it.
  const RecordRow* byClass(ClassId cls) const;
};

struct RecordWriter {
  IniFile& ini;
  const std::string& section;
  void str(const char* key, const std::string& v) const { ini.writeString(section, key, v); }
  void num(const char* key, long long v) const { ini.writeInteger(section, key, v); }
  void list(const std::vector<std::string>& items) const { ini.writeList(section, items); }
};

// Reads the record at a place of the file's sections: found once, whatever its name.
struct RecordReader {
  const IniFile& ini;
  size_t section;
  std::optional<std::string> value(const char* key) const { return ini.valueAt(section, key); }
  std::string str(const char* key, const char* def) const { return value(key).value_or(def); }
  int num(const char* key, int def) const;  // as IniFile::readInteger
  std::optional<std::vector<std::string>> list(bool keepEmpty) const { return ini.readListAt(section, keepEmpty); }
};

// The name a record gives as `Parent`: the screen's ("panScreen") or a dialog's.
inline std::string parentName(const Control& c) { return c.parent() ? c.parent()->name() : std::string(); }

// The last steps of every reader but the dialog's: the design colour, the record's name (the kind word
// when it has none) and the parent it names.
void finishRead(const RecordReader& r, LoadContext& ctx, std::unique_ptr<Control> c, const std::string& kind);
// The dialog record of both libraries, whose title key differs ("Content" or "Title"). A dialog with
// Test 1 becomes the form's shown dialog; any other Test hides it.
void readDialogRecord(const RecordReader& r, LoadContext& ctx, const char* titleKey);

}  // namespace tw
