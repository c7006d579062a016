#include "OutputFolder.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "GeneratedBase.h"
#include "Icons.h"
#include "MergeText.h"
#include "base/FileIO.h"
#include "ini/IniFile.h"
#include "model/Family.h"

namespace tw {
namespace {

// Creates a folder and its missing parents; false with why when one cannot be made.
bool makeFolders(const std::string& folder, std::string* why) {
  if (folder.empty() || isDirectory(folder)) return true;
  std::string path;
  size_t pos = 0;
  while (pos <= folder.size()) {
    size_t slash = folder.find('/', pos);
    if (slash == std::string::npos) slash = folder.size();
    path = folder.substr(0, slash);
    pos = slash + 1;
    if (path.empty() || isDirectory(path)) continue;
    if (::mkdir(path.c_str(), 0777) != 0 && errno != EEXIST) {
      *why = "Cannot create the folder " + path + ": " + std::strerror(errno);
      return false;
    }
  }
  if (!isDirectory(folder)) {
    *why = "Cannot use " + folder + " as the output folder: it is not a folder";
    return false;
  }
  return true;
}

// The library's file in the folder, found without regard to case (the include names it differently).
bool folderHolds(const std::string& folder, const std::string& name) {
  DIR* d = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!d) return false;
  bool found = false;
  while (auto* e = ::readdir(d))
    if (sameText(e->d_name, name)) {
      found = fileExists(folder + e->d_name);
      if (found) break;
    }
  ::closedir(d);
  return found;
}

}  // namespace

std::string replaceQuestionText(const std::string& path) { return path + " already exists. Do you want to replace it?"; }

std::string mergeQuestionText(const std::string& path) {
  return path + " was changed since it was generated. Merge your changes with the new code, replace the file, or keep it as it is?";
}

std::string normaliseOutputFolder(const std::string& folder) {
  if (folder.empty() || folder.back() == '/') return folder;
  return folder + '/';
}

std::array<std::string, 4> sourceFileNames(const std::string& folder, const std::string& project) {
  std::string d = normaliseOutputFolder(folder);
  return {d + project + ".pc", d + project + "Forms.pc", d + project + "Events.pc", d + project + ".h"};
}

OutputResult saveOutputFolder(const OutputRequest& r, const GeneratedCode& code, const ReplaceQuestion& ask) {
  OutputResult out;
  const std::string d = normaliseOutputFolder(r.folder);
  if (!makeFolders(d.empty() ? d : d.substr(0, d.size() - 1), &out.error)) return out;

  const auto names = sourceFileNames(d, r.project);
  const Lines* texts[4] = {&code.main, &code.forms, &code.events, &code.header};
  GeneratedBases bases(d);
  bool swept = false;
  // Whatever ends the save, the files written so far keep their bases.
  auto keepBases = [&] {
    std::string why;
    if (!bases.commit(r.projectFile.empty() ? r.project : r.projectFile, &why)) out.warnings.push_back("The generated files' bases were not kept. " + why);
  };
  for (size_t i = 0; i < names.size(); ++i) {
    std::string generated = linesToFile(*texts[i]);
    std::string bytes = generated;
    if (fileExists(names[i]) || isDirectory(names[i])) {
      auto mine = readWholeFile(names[i]);
      auto base = bases.baseOf(names[i]);
      bool untouched = mine && ((base && *mine == *base) || *mine == generated);
      ReplaceAnswer a = untouched ? ReplaceAnswer::Yes : ask ? ask(names[i]) : ReplaceAnswer::No;
      if (a == ReplaceAnswer::Cancel) {
        out.cancelled = true;
        for (size_t j = i; j < names.size(); ++j)
          if (fileExists(names[j])) out.leftAlone.push_back(names[j]);
        keepBases();
        return out;
      }
      if (a == ReplaceAnswer::Merge && (!mine || !base)) {
        out.noBase.push_back(names[i]);
        a = ReplaceAnswer::No;
      }
      if (a == ReplaceAnswer::Merge) {
        MergedText m = mergeGenerated(*base, *mine, generated);
        if (!m.ok) {
          out.warnings.push_back(names[i] + " was left alone: " + m.why);
          a = ReplaceAnswer::No;
        } else {
          bytes = std::move(m.text);
          (m.conflicts ? out.conflicts : out.merged).push_back(names[i]);
        }
      }
      if (a == ReplaceAnswer::No) {
        out.leftAlone.push_back(names[i]);
        continue;
      }
    }
    if (!writeDerivedFileAtomic(names[i], bytes, &out.error, &swept)) {
      keepBases();
      return out;
    }
    out.written.push_back(names[i]);
    bases.record(names[i], std::move(generated));
  }
  keepBases();
  if (r.memos) return out;

  for (size_t i = 0; i < kIconSlotCount; ++i) {
    const IconSlot& slot = iconSlots()[i];
    std::string target = d + slot.file;
    std::string bytes, warning;
    if (const std::string& chosen = r.icons[i]; !chosen.empty() && fileExists(chosen)) {
      std::string why;
      auto file = readWholeFile(chosen, &why);
      if (file && file->size() > 2 && file->compare(0, 2, "BM") == 0)
        bytes = std::move(*file);
      else
        warning = chosen + " is not a bitmap; the default " + slot.caption + " icon is saved instead.";
    }
    if (bytes.empty()) bytes = defaultIconFile(slot.width, slot.height, slot.bitsPerPixel);
    // An icon that already holds these bytes is not refused: nothing of it would change.
    if (!r.replaceIcons && fileExists(target) && readWholeFile(target) != bytes) {
      out.leftAlone.push_back(target);
      continue;
    }
    if (!warning.empty()) out.warnings.push_back(warning);
    if (!writeDerivedFileAtomic(target, bytes, &out.error, &swept)) return out;
    out.written.push_back(target);
  }

  if (r.library == kLibCControls && !folderHolds(d, "CControls.c"))
    out.warnings.push_back("CControls library not found at project source path. You must copy it before compile.");
  if (r.library == kLibPToolbox && !folderHolds(d, "fctl.h"))
    out.warnings.push_back(
        "PToolboxLib header file Fctl.h not found at project source path. You must copy it before compile.");
  return out;
}

}  // namespace tw
