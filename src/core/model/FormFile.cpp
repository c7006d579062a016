#include "FormFile.h"

#include <unordered_set>

#include "Control.h"
#include "Family.h"
#include "FormDocument.h"
#include "Records.h"
#include "ini/IniFile.h"

namespace tw {

Control* placeRead(LoadContext& ctx, std::unique_ptr<Control> c, Control* parent, const std::string& name) {
  std::string why;
  if (!ctx.form.rename(*c, name, &why)) {
    if (ctx.messages) ctx.messages->push_back(why);
    return nullptr;
  }
  Control* placed = ctx.form.add(std::move(c), parent);
  ctx.lastRead = placed;
  return placed;
}

void finishRead(const RecordReader& r, LoadContext& ctx, std::unique_ptr<Control> c, const std::string& kind) {
  c->color = ctx.designColour;
  std::string name = r.str("Name", kind.c_str());
  placeRead(ctx, std::move(c), ctx.form.findParent(r.str("Parent", "")), name);
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
  return formToIni(form).save(path, why);
}

void loadForm(FormDocument& form, const IniFile& ini, Colour designColour, std::vector<std::string>* messages) {
  form.fileName = ini.path();
  form.screen().title = ini.readString("FORM", "Title", "Form");
  form.windowTop = ini.readInteger("FORM", "Top", 0);
  form.windowLeft = ini.readInteger("FORM", "Left", 0);
  const Family* family = familyFor(form.library());
  if (!family) return;
  LoadContext ctx{form, designColour, messages};
  // A repeated section name reads the first section of that name again: its control is already
  // there, so the repeat is passed over rather than refused once more.
  std::unordered_set<std::string> seen;
  for (const auto& section : ini.sections()) {
    if (section == "FORM" || !seen.insert(lowerAscii(section)).second) continue;
    family->readRecord(ini, section, ctx);
  }
}

OpenedForm openFormFile(const std::string& path, int currentLibrary, Colour designColour) {
  OpenedForm out;
  IniFile ini;
  std::string why;
  FileStamp stamp = stampOf(path);  // before reading: a change made meanwhile is then seen as one
  if (!ini.load(path, &why)) {
    out.error = why;
    return out;
  }
  std::string name = ini.readString("FORM", "Name", "");
  if (name.empty()) return out;
  if (ini.readInteger("FORM", "Lib", 0) != currentLibrary) {
    out.error = path + " format is not of the current library";
    return out;
  }
  out.form = std::make_unique<FormDocument>(currentLibrary, name);
  out.form->diskStamp = stamp;
  loadForm(*out.form, ini, designColour, &out.messages);
  return out;
}

}  // namespace tw
