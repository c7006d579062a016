#pragma once
// Unsaved work, and changes made to a file by someone else. A form has unsaved changes while its
// file text differs from the text it last read or wrote. Before a save replaces a file that another
// program (or another designer) wrote after it was read or saved here, the user is asked, so that
// the other change is not lost without a word.
#include <string>
#include <vector>

#include "Messages.h"
#include "base/FileStamp.h"

namespace tw {

class Designer;
class FormDocument;

// What saving the form would write.
std::string formText(const FormDocument& form);
bool hasUnsavedChanges(const FormDocument& form);
// The form's file now holds what the form holds (after reading or writing it).
void markSaved(FormDocument& form);
// The form is unsaved work whatever it holds (kept against a newer file, or restored from a copy).
void markUnsaved(FormDocument& form);

// Asked before a save replaces a file that changed since it was read or saved here.
Message changedOnDiskQuestion(const std::string& path, const std::string& caption);
// Offered when an open file changed on disk while its document has no unsaved changes.
Message reloadQuestion(const std::string& path);

// Asks what it must before the file at path is written: nothing when it is the file `known`
// stamped and nobody wrote it since, the changed question when somebody did, else the replace
// question when a file exists there. True: write it. keptNewer tells that the user kept another program's file.
bool mayOverwrite(Messages& m, const std::string& path, const FileStamp& known, const std::string& caption,
                  bool* keptNewer = nullptr);
// The same before a form is saved to its fileName. When the user keeps the newer file on disk,
// the form stays unsaved work.
bool mayOverwriteForm(Messages& m, FormDocument& form, const std::string& caption);

// Reads the form's file again into the same document, as one undo step "Reload"; the form is then
// what its file holds. The window position stays. False (with why) when the file cannot be read
// as a form of the document's library; the form is then unchanged.
bool reloadForm(Designer& d, FormDocument& form, std::string* why, std::vector<std::string>* messages);

}  // namespace tw
