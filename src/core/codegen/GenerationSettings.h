#pragma once
// The application's settings that generation uses, kept per project in the sections Code and Icons
// of the project file, and the first lines of the main file that they give.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "CodeText.h"

namespace tw {

class IniFile;

// The eight icon slots, in the order their directives are written and their files saved.
struct IconSlot {
  const char* key;        // key in section Icons: "Large1"
  const char* file;       // file written into the output folder: "large1.bmp"
  const char* directive;  // "@licon1"
  const char* caption;    // "1 bit large"
  const char* openTitle;  // "Open 1 bit large icon"
  int width, height;      // 32 x 32 or 15 x 9
  int bitsPerPixel;       // of the default picture: 1, 4, 4, 8 for the 1, 2, 4, 8 bit slots
};
inline constexpr size_t kIconSlotCount = 8;
const std::array<IconSlot, kIconSlotCount>& iconSlots();

struct GenerationSettings {
  std::string output;     // output folder as typed
  std::string firstForm;  // FormName of the first form; matched without regard to case
  bool memos = false;     // the memos target rather than PDE
  std::string creatorId = "TKWX";
  std::string appName = "Application";
  std::string appDb = "ApplicationDB";
  std::string version = "1.0";
  // Per slot (in iconSlots() order): the chosen bitmap's path; empty for the default picture.
  std::array<std::string, kIconSlotCount> icons;
};

// Longest creator ID and database name the dialog's fields take.
inline constexpr size_t kCreatorIdMax = 4, kAppDbMax = 31;

// Reads Code and Icons; defaultOutput is used when Output is missing.
GenerationSettings readGenerationSettings(const IniFile& project, std::string_view defaultOutput);
// Writes the Code section, as Generate does before it generates.
void writeCodeSettings(IniFile& project, const GenerationSettings& s);
// Writes one slot's key in Icons, as choosing a picture does.
void writeIconSetting(IniFile& project, size_t slot, const std::string& path);

// The first-form entry: the form whose name equals firstForm without regard to case, else the first
// form; nullptr when there is none.
const FormDocument* pickFirstForm(const std::vector<const FormDocument*>& forms, std::string_view firstForm);

// The main file's first lines: for PDE the four settings and the directive of every slot (each
// slot holds a picture, chosen or default); for memos "//Main " + P + ".pc".
Lines mainFileFirstLines(const GenerationSettings& s, const std::string& project);

// The output folder of a project: Output as typed, a relative one taken from the project file's
// folder; empty Output gives the project file's folder.
std::string outputFolderFor(const GenerationSettings& s, const std::string& projectFile);

}  // namespace tw
