#pragma once
// Recovery copies: while the designer has unsaved work, it keeps a copy of every unsaved form and a
// note of the project in a folder of its own under the recovery folder. A clean save or exit
// removes them; after a crash the next start finds them and offers to restore them.
//
// Each run's folder holds a lock that the run keeps while it lives, so a run never offers (or
// removes) the copies of another designer that is still running. Copies are written atomically,
// only inside the recovery folder: never over the user's own files.
#include <memory>
#include <string>
#include <vector>

#include "graphics/Font.h"
#include "Messages.h"
#include "base/FileStamp.h"

namespace tw {

class FormDocument;

// $XDG_STATE_HOME/tarnowick/recovery, else ~/.local/state/tarnowick/recovery (a relative
// XDG_STATE_HOME is ignored, as the base-directory rules say).
std::string recoveryRoot(const std::string& xdgStateHome, const std::string& home);

// What a run had open: the project (name empty when none) and its visible forms in order.
struct WorkSnapshot {
  std::string projectName, projectFile;
  FileStamp projectStamp;
  int library = 0;
  std::vector<const FormDocument*> forms;
};

// One form of a session: its own file, and the copy to restore it from when it was unsaved work.
struct RecoveredForm {
  std::string name;  // the form's name, for telling the user
  std::string file;  // its form file; empty when it never had one
  FileStamp stamp;   // the file as the run last read or wrote it
  std::string copy;  // full path of the copy; empty: the form was saved, open its file
};

struct RecoverySession {
  std::string folder;
  std::string projectName, projectFile;
  FileStamp projectStamp;
  int library = 0;
  long long written = 0;  // seconds since 1970 of the last copy
  std::vector<RecoveredForm> forms;
};

class RecoveryWriter {
 public:
  explicit RecoveryWriter(std::string root);
  ~RecoveryWriter();  // lets go of the lock and leaves the copies: only remove() removes them
  RecoveryWriter(const RecoveryWriter&) = delete;
  RecoveryWriter& operator=(const RecoveryWriter&) = delete;

  // Brings the copies up to date: while a form of the snapshot has unsaved changes, a copy of each
  // form without a saved file and the session note; when none has, nothing is kept. False (with
  // why) when a copy could not be written.
  bool update(const WorkSnapshot& work, std::string* why);
  // Removes this run's copies (a clean save or exit).
  void remove();
  const std::string& folder() const { return folder_; }

 private:
  bool open(std::string* why);

  std::string root_, folder_;
  int lockFd_ = -1;
  std::vector<std::string> lastCopies_;  // copy bytes already on disk, by form position
};

// The sessions that runs left behind and that no running designer holds, newest first. A folder
// that holds no readable session is removed.
std::vector<RecoverySession> leftoverSessions(const std::string& root);
// Removes a session's folder (only the files a session writes, then the folder).
void removeSession(const std::string& folder);

// The question that offers a session: Yes restores, No discards it, Cancel keeps it for later.
Message restoreQuestion(const RecoverySession& s);

// Reads a form's copy as a document of the library, named and filed as the form was, with
// unsaved changes. Null (with why) when the copy cannot be read.
std::unique_ptr<FormDocument> readRecoveredForm(const RecoveredForm& f, int library, Colour designColour,
                                                std::string* why, std::vector<std::string>* messages);

}  // namespace tw
