#pragma once
// Whole-file reads and safe whole-file writes.
#include <optional>
#include <string>
#include <string_view>

namespace tw {

// Files larger than this are refused as input: no file of the designer comes near it.
inline constexpr size_t kMaxInputFile = 64u << 20;

bool fileExists(const std::string& path);
bool isDirectory(const std::string& path);
// Why a save must not replace the file at target (a folder, a device, a pipe: anything but a
// regular file); empty when it may. path is the name the user knows it by.
std::string replaceRefusal(const std::string& target, const std::string& path);
// Whether two paths name one file, also through links; when either is missing the texts are compared.
bool sameFile(const std::string& a, const std::string& b);
// nullopt with why set when the file cannot be read (or is too large).
std::optional<std::string> readWholeFile(const std::string& path, std::string* why = nullptr);
// Writes a temporary file beside path, flushes it and renames it over path. On failure the old
// file is untouched, the temporary is removed and why says what went wrong. A path that is a
// symbolic link is not replaced: the file it points to is written, atomically there.
bool writeFileAtomic(const std::string& path, std::string_view bytes, std::string* why = nullptr);
// writeFileAtomic for files derived from the user's documents, which writing them again restores
// (generated code, icons): no reader ever sees one half-written, but the process does not wait for
// the disk before the rename, so after a power cut such a file may be old, new, or empty. A file
// that already holds these bytes is not touched. A writer of several files into one folder passes
// each the same `swept`: the folder is looked through for the leftovers of killed saves at the first
// file actually written, not at every one.
bool writeDerivedFileAtomic(const std::string& path, std::string_view bytes, std::string* why = nullptr,
                            bool* swept = nullptr);

// The pieces of an atomic save, for writers of several files at once.
// The file a save of path writes: where its chain of symbolic links ends (that file need not exist
// yet), or path itself. nullopt, with why set, when the links go round in a loop.
std::optional<std::string> saveTarget(const std::string& path, std::string* why);
// Creates the temporary ".NAME.XXXXXX" beside the target NAME, opened for writing and locked until
// closed; -1 (errno set) on failure. The caller renames it over the target before closing it.
int createSaveTemp(const std::string& target, std::string* tmpPath);
// The permissions for the file written at target: those of the file it replaces, else the usual
// ones of a new file.
unsigned permissionsFor(const std::string& target);
// Removes the temporaries that saves killed midway left in a folder: those of the kinds of file the
// designer saves whose lock died with their save. A save in progress keeps its temporary.
void removeSaveLeftovers(const std::string& folder);
std::string folderOf(const std::string& path);  // "a/b/Form1.twk" -> "a/b"; "Form1.twk" -> "."

std::string fileNamePart(const std::string& path);  // "a/b/Form1.twk" -> "Form1.twk"

}  // namespace tw
