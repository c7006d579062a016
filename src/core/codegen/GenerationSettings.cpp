#include "GenerationSettings.h"

#include "ini/IniFile.h"
#include "model/FormDocument.h"

namespace tw {

const std::array<IconSlot, kIconSlotCount>& iconSlots() {
  static const std::array<IconSlot, kIconSlotCount> slots = {{
      {"Large1", "large1.bmp", "@licon1", "1 bit large", "Open 1 bit large icon", 32, 32, 1},
      {"Small1", "small1.bmp", "@sicon1", "1 bit small", "Open 1 bit small icon", 15, 9, 1},
      {"Large2", "large2.bmp", "@licon2", "2 bit large", "Open 2 bit large icon", 32, 32, 4},
      {"Small2", "small2.bmp", "@sicon2", "2 bit small", "Open 2 bit small icon", 15, 9, 4},
      {"Large4", "large4.bmp", "@licon4", "4 bit large", "Open 4 bit large icon", 32, 32, 4},
      {"Small4", "small4.bmp", "@sicon4", "4 bit small", "Open 4 bit small icon", 15, 9, 4},
      {"Large8", "large8.bmp", "@licon8", "8 bit large", "Open 8 bit large icon", 32, 32, 8},
      {"Small8", "small8.bmp", "@sicon8", "8 bit small", "Open 8 bit small icon", 15, 9, 8},
  }};
  return slots;
}

GenerationSettings readGenerationSettings(const IniFile& ini, std::string_view defaultOutput) {
  GenerationSettings s;
  s.output = ini.readString("Code", "Output", defaultOutput);
  s.firstForm = ini.readString("Code", "FirstForm", "");
  s.memos = ini.readInteger("Code", "Memo", 0) == 1;
  s.creatorId = ini.readString("Code", "CreatorID", s.creatorId);
  s.appName = ini.readString("Code", "AppName", s.appName);
  s.appDb = ini.readString("Code", "AppDB", s.appDb);
  s.version = ini.readString("Code", "Version", s.version);
  for (size_t i = 0; i < kIconSlotCount; ++i) s.icons[i] = ini.readString("Icons", iconSlots()[i].key, "");
  return s;
}

void writeCodeSettings(IniFile& ini, const GenerationSettings& s) {
  ini.writeString("Code", "Output", s.output);
  ini.writeString("Code", "FirstForm", s.firstForm);
  ini.writeString("Code", "Memo", s.memos ? "1" : "0");
  ini.writeString("Code", "CreatorID", s.creatorId);
  ini.writeString("Code", "AppName", s.appName);
  ini.writeString("Code", "AppDB", s.appDb);
  ini.writeString("Code", "Version", s.version);
}

void writeIconSetting(IniFile& ini, size_t slot, const std::string& path) {
  if (slot < kIconSlotCount) ini.writeString("Icons", iconSlots()[slot].key, path);
}

const FormDocument* pickFirstForm(const std::vector<const FormDocument*>& forms, std::string_view firstForm) {
  for (const FormDocument* f : forms)
    if (sameText(f->formName, firstForm)) return f;
  return forms.empty() ? nullptr : forms.front();
}

Lines mainFileFirstLines(const GenerationSettings& s, const std::string& project) {
  if (s.memos) return {"//Main " + project + ".pc"};
  Lines lines = {"@cid \"" + s.creatorId + "\";", "@name \"" + s.appName + "\";", "@dbname \"" + s.appDb + "\";",
                 "@ver \"" + s.version + "\";"};
  for (const IconSlot& slot : iconSlots()) lines.push_back(std::string(slot.directive) + " \"" + slot.file + "\";");
  return lines;
}

std::string outputFolderFor(const GenerationSettings& s, const std::string& projectFile) {
  auto slash = projectFile.find_last_of('/');
  std::string projectDir = slash == std::string::npos ? std::string() : projectFile.substr(0, slash + 1);
  if (s.output.empty()) return projectDir;
  if (s.output[0] == '/') return s.output;
  return projectDir + s.output;
}

}  // namespace tw
