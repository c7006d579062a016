#pragma once
// A control library's operations on forms. The library number chooses the family:
// 1 CControls, 2 PToolboxLib; any other number has none, and its operations do nothing.
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "Control.h"
#include "Design.h"
#include "graphics/Font.h"

namespace tw {

class Control;
class Designer;
class FormDocument;
class IniFile;
struct RecordTable;

inline constexpr int kLibCControls = 1;
inline constexpr int kLibPToolbox = 2;

// What a record reader needs besides the file: the form being loaded and where to report.
struct LoadContext {
  FormDocument& form;
  Colour designColour = 0xFFFFFF;
  std::vector<std::string>* messages = nullptr;  // refusals met while reading
  Control* lastRead = nullptr;                   // the control the inspector is left pointing at
  // ControlCounter, raised when a refused name is replaced; the load's own counter when null.
  int* controlCounter = nullptr;
  int ownCounter = 0;
  // Lower-cased names taken on the form, kept up to date as records are placed.
  std::unordered_set<std::string> taken{};
  bool takenKnown = false;
  // The dialog last read under each name its record gave, renamed or not: the records after it
  // that name it as their Parent are its children.
  std::unordered_map<std::string, Control*> dialogs{};
};

class Family {
 public:
  virtual ~Family() = default;
  virtual int library() const = 0;
  virtual const char* name() const = 0;  // "CControls", "PToolboxLib"

  // Creates a control of a class this family defines (its rows in Classes.def); nullptr otherwise.
  virtual std::unique_ptr<Control> create(ClassId id) const = 0;

  // The form-file records of the family's kinds (model/Records.h).
  virtual const RecordTable& records() const = 0;
  // Writes the control's record (a dialog followed by its children); other classes write nothing.
  void writeRecord(IniFile& ini, const Control& c) const;
  // Writes the records of the form window's menu bar and menus, where the library has them.
  virtual void writeMenus(IniFile&, const FormDocument&) const {}
  // Recreates the control of the section at a place of ini.sections() on the form; an unknown kind
  // creates nothing.
  void readRecord(const IniFile& ini, size_t section, LoadContext& ctx) const;

  // Design operations. The family's kinds, names, rows and alignment geometry as tables; the
  // designer walks them (model/Design.h).
  virtual const DesignTables& design() const = 0;
  // The kind word of a control ("Button", "EditLine", ...); empty when the family has no such kind.
  virtual std::string kindWord(const Control& c) const = 0;
  // Creates a kind marked special (the menu), named and placed; nullptr when nothing was created.
  virtual Control* createSpecial(Designer&, FormDocument&, const KindRow&) const { return nullptr; }
  // Text and setting of a row marked Conv::Special.
  virtual std::string specialText(const FormDocument&, const Control&, const RowDef&) const { return {}; }
  virtual void setSpecial(Designer&, FormDocument&, Control&, const RowDef&, const std::string&) const {}

  // The inspector's choices for a row whose words depend on the kind (a list's Style, the
  // selector's Trigger); nullopt for any other row. `current` is the form being designed.
  virtual std::optional<std::vector<std::string>> choices(const FormDocument*, const Control&,
                                                          std::string_view) const {
    return std::nullopt;
  }

  const KindRow* kindOf(const Control& c) const;  // nullptr when the family has no kind for it
  const KindRow* kindFor(Tool tool) const;         // the kind a palette tool places
  const AlignGeom* alignOf(ClassId cls) const;
};

const Family* familyFor(int library);
// The library's name, as the status bar and messages show it; empty for a number with no family.
std::string libraryName(int library);

// A family makes itself known when the program starts (ccontrols/CCClasses.cpp); the build links
// that registration into every program that links the family.
void registerFamily(const Family& family);

// Shared reader step: names the new control, places it and makes it the last one read. A refused
// name (invalid, taken, or the header's) is replaced by a fresh one of the naming rule and the
// rename reported, so that no control of a file is lost.
Control* placeRead(LoadContext& ctx, std::unique_ptr<Control> c, Control* parent, const std::string& name);

}  // namespace tw
