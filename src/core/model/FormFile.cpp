#include "FormFile.h"

#include <climits>

#include "Control.h"
#include "Family.h"
#include "FormDocument.h"
#include "Records.h"
#include "base/FileIO.h"
#include "ini/IniFile.h"

namespace tw {

Control* placeRead(LoadContext& ctx, std::unique_ptr<Control> c, Control* parent, const std::string& name) {
  if (!ctx.takenKnown) {
    ctx.taken = ctx.form.takenNames();
    ctx.takenKnown = true;
  }
  std::string given = name;
  if (std::string why = FormDocument::nameErrorAmong(name, ctx.taken); !why.empty()) {
    const Family* family = familyFor(ctx.form.library());
    const KindRow* kind = family ? family->kindOf(*c) : nullptr;
    const std::string base = kind && kind->base ? kind->base : "Control";
    int& counter = ctx.controlCounter ? *ctx.controlCounter : ctx.ownCounter;
    do {
      counter = counter < INT_MAX ? counter + 1 : 1;
      given = base + std::to_string(counter);
    } while (!FormDocument::nameErrorAmong(given, ctx.taken).empty());
    if (ctx.messages) ctx.messages->push_back(why + ": the control was renamed " + given);
  }
  c->setNameUnchecked(given);
  ctx.taken.insert(lowerAscii(given));
  Control* placed = ctx.form.add(std::move(c), parent);
  // The screen's own name, and none, keep meaning the screen.
  if (placed->isContainer() && !name.empty() && name != "panScreen") ctx.dialogs[name] = placed;
  ctx.lastRead = placed;
  return placed;
}

void finishRead(const RecordReader& r, LoadContext& ctx, std::unique_ptr<Control> c, const std::string& kind) {
  c->color = ctx.designColour;
  std::string name = r.str("Name", kind.c_str());
  const std::string parent = r.str("Parent", "");
  auto dialog = ctx.dialogs.find(parent);
  placeRead(ctx, std::move(c), dialog != ctx.dialogs.end() ? dialog->second : ctx.form.findParent(parent), name);
}

IniFile formToIni(const FormDocument& form) {
  IniFile ini;
  ini.writeString("FORM", "Name", form.formName);
  ini.writeInteger("FORM", "Top", form.windowTop);
  ini.writeInteger("FORM", "Left", form.windowLeft);
  ini.writeString("FORM", "Title", form.screen().title);
  ini.writeInteger("FORM", "Lib", form.library());
  if (const Family* family = familyFor(form.library())) {
    for (const auto& c : form.screen().children()) family->writeRecord(ini, *c);
    family->writeMenus(ini, form);
  }
  return ini;
}

bool saveForm(const FormDocument& form, const std::string& path, std::string* why) {
  if (std::string refusal = partlyReadRefusal(form, path); !refusal.empty()) {
    if (why) *why = refusal;
    return false;
  }
  return formToIni(form).save(path, why);
}

std::string partlyReadRefusal(const FormDocument& form, const std::string& path) {
  if (form.partlyReadFile.empty() || !sameFile(path, form.partlyReadFile)) return {};
  return path + " holds controls that were not read: save the form under another name";
}

void loadForm(FormDocument& form, const IniFile& ini, Colour designColour, std::vector<std::string>* messages,
              int* controlCounter) {
  form.fileName = ini.path();
  form.screen().title = ini.readString("FORM", "Title", "Form");
  form.windowTop = ini.readInteger("FORM", "Top", 0);
  form.windowLeft = ini.readInteger("FORM", "Left", 0);
  const Family* family = familyFor(form.library());
  if (!family) return;
  LoadContext ctx{form, designColour, messages, nullptr, controlCounter};
  const std::vector<std::string> sections = ini.sections();
  for (size_t i = 0; i < sections.size(); ++i) {
    const std::string& section = sections[i];
    if (ini.sectionIndex(section) == i && sameText(section, "FORM")) {  // the header: the first [FORM]
      form.fileLines[&form.screen()] = ini.sectionLine(i);
      continue;
    }
    ctx.lastRead = nullptr;
    family->readRecord(ini, i, ctx);
    if (ctx.lastRead) {
      form.fileLines[ctx.lastRead] = ini.sectionLine(i);
      continue;
    }
    const std::string kind = ini.valueAt(i, "Control").value_or("");
    if (kind.empty()) continue;
    form.partlyReadFile = ini.path();
    if (messages)
      messages->push_back("The control " + section + " is of the kind " + kind +
                          ", which this library does not have, and was not read");
  }
}

OpenedForm openFormFile(const std::string& path, int currentLibrary, Colour designColour, int* controlCounter) {
  OpenedForm out;
  IniFile ini;
  std::string why;
  FileStamp stamp = stampOf(path);  // before reading: a change made meanwhile is then seen as one
  if (!ini.load(path, &why)) {
    out.error = why;
    return out;
  }
  out = openFormIni(ini, currentLibrary, designColour, controlCounter);
  if (out.form) out.form->diskStamp = stamp;
  return out;
}

OpenedForm openFormIni(const IniFile& ini, int currentLibrary, Colour designColour, int* controlCounter) {
  OpenedForm out;
  std::string name = ini.readString("FORM", "Name", "");
  if (name.empty()) return out;
  if (ini.readInteger("FORM", "Lib", 0) != currentLibrary) {
    out.error = ini.path() + " format is not of the current library";
    return out;
  }
  out.form = std::make_unique<FormDocument>(currentLibrary, name);
  loadForm(*out.form, ini, designColour, &out.messages, controlCounter);
  return out;
}

}  // namespace tw
