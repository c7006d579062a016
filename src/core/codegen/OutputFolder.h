#pragma once
// Saving generated code into the output folder: the four source files in order with CR LF line
// ends, asking before each one the user edited since it was generated (a file still as generated is
// replaced without a question); then, for PDE, the eight icons and the library check. What each
// source file was given is kept as its base (GeneratedBase.h), for merging the next time.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "Generate.h"

namespace tw {

enum class ReplaceAnswer { Yes, No, Cancel, Merge };
// Asked for each source file that exists and differs from its base (or has none): Yes replaces it,
// No goes on with the next file, Cancel ends the save at once, Merge merges the new code into the
// user's (hasGeneratedBase tells whether the file has a base; without one Merge leaves it alone).
using ReplaceQuestion = std::function<ReplaceAnswer(const std::string& path)>;
std::string replaceQuestionText(const std::string& path);  // path + " already exists. Do you want to replace it?"
std::string mergeQuestionText(const std::string& path);    // for a file with a base: Merge, Replace or Keep

struct OutputRequest {
  std::string folder;   // as typed; see normaliseOutputFolder
  std::string project;  // P: the files are P.pc, PForms.pc, PEvents.pc and P.h
  std::string projectFile;  // the project they come from, named in the bases' manifest
  int library = 1;
  bool memos = false;  // the memos target writes no icons and makes no library check
  std::array<std::string, kIconSlotCount> icons;  // chosen pictures; empty for the default
  bool replaceIcons = true;  // icons that exist are replaced without asking (the dialog does)
};

struct OutputResult {
  std::vector<std::string> written;    // full names, in the order written
  std::vector<std::string> leftAlone;  // files that existed and were not replaced
  std::vector<std::string> merged;     // merged without a conflict (also in written)
  std::vector<std::string> conflicts;  // merged with conflict blocks in them (also in written)
  std::vector<std::string> noBase;     // Merge asked but there was no base: left alone
  bool cancelled = false;              // Cancel was answered
  std::string error;                   // a folder or file could not be written; the save stopped there
  std::vector<std::string> warnings;   // the library check, and chosen icons that are not bitmaps
  bool ok() const { return error.empty(); }
};

// A folder name with a path separator at its end (unless it is empty or has one).
std::string normaliseOutputFolder(const std::string& folder);

// The four source files' full names, in the order they are saved.
std::array<std::string, 4> sourceFileNames(const std::string& folder, const std::string& project);

// Creates the folder if needed and saves. A missing folder is created.
OutputResult saveOutputFolder(const OutputRequest& request, const GeneratedCode& code, const ReplaceQuestion& ask);

}  // namespace tw
