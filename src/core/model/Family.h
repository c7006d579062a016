#pragma once
// A control library's operations on forms. The library number chooses the family:
// 1 CControls, 2 PToolboxLib; any other number has none, and its operations do nothing.
#include <memory>
#include <string>
#include <vector>

#include "Font.h"

namespace tw {

class Control;
class FormDocument;
class IniFile;

inline constexpr int kLibCControls = 1;
inline constexpr int kLibPToolbox = 2;

// What a record reader needs besides the file: the form being loaded and where to report.
struct LoadContext {
  FormDocument& form;
  Colour designColour = 0xFFFFFF;
  std::vector<std::string>* messages = nullptr;  // refusals met while reading
  Control* lastRead = nullptr;                   // the control the inspector is left pointing at
};

class Family {
 public:
  virtual ~Family() = default;
  virtual int library() const = 0;

  // Writes the control's record (a dialog followed by its children); other classes write nothing.
  virtual void writeRecord(IniFile& ini, const Control& c) const = 0;
  // Writes the records of the form window's menu bar and menus, where the library has them.
  virtual void writeMenus(IniFile&, const FormDocument&) const {}
  // Recreates the control of one section on the form; an unknown kind creates nothing.
  virtual void readRecord(const IniFile& ini, const std::string& section, LoadContext& ctx) const = 0;
};

const Family* familyFor(int library);

// Shared reader step: names the new control, places it and makes it the last one read. A refused
// name is reported and the control is not placed (a nameless control could not be saved).
Control* placeRead(LoadContext& ctx, std::unique_ptr<Control> c, Control* parent, const std::string& name);

}  // namespace tw
