#include "Recovery.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <ctime>

#include "DiskState.h"
#include "FormDocument.h"
#include "FormFile.h"
#include "Shell.h"
#include "base/FileIO.h"
#include "ini/IniFile.h"

namespace tw {
namespace {

constexpr const char* kLock = "lock";
constexpr const char* kNote = "session.ini";

// Makes the folder and the ones above it; the copies hold the user's work, so only the user may read them.
bool makeFolders(const std::string& path, std::string* why) {
  for (size_t pos = 1; pos <= path.size(); ++pos) {
    if (pos != path.size() && path[pos] != '/') continue;
    std::string part = path.substr(0, pos);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
      if (why) *why = "Cannot make the folder " + part + ": " + std::strerror(errno);
      return false;
    }
  }
  if (isDirectory(path)) return true;
  if (why) *why = "Cannot make the folder " + path;
  return false;
}

// A copy is written only as a file of the recovery folder: a link put in its place is taken away
// first, so that writing a copy never reaches a file elsewhere.
bool writeCopy(const std::string& path, const std::string& bytes, std::string* why) {
  struct stat st;
  if (::lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) ::unlink(path.c_str());
  return writeFileAtomic(path, bytes, why);
}

std::string copyName(size_t k) { return "form" + std::to_string(k) + ".twk"; }

// Only names this file writes are read back or removed: "form" digits ".twk".
bool isCopyName(const std::string& name) {
  if (name.size() < 9 || name.compare(0, 4, "form") != 0 || name.compare(name.size() - 4, 4, ".twk") != 0)
    return false;
  for (size_t i = 4; i < name.size() - 4; ++i)
    if (name[i] < '0' || name[i] > '9') return false;
  return name.size() < 16;
}

// A free lock means its run is gone. The descriptor is returned locked (-1 when live or missing).
int takeLock(const std::string& folder) {
  int fd = ::open((folder + "/" + kLock).c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

std::vector<std::string> entries(const std::string& folder) {
  std::vector<std::string> names;
  if (DIR* d = ::opendir(folder.c_str())) {
    while (auto* e = ::readdir(d)) {
      std::string n = e->d_name;
      if (n != "." && n != "..") names.push_back(n);
    }
    ::closedir(d);
  }
  return names;
}

std::optional<RecoverySession> readNote(const std::string& folder) {
  std::string notePath = folder + "/" + kNote;
  if (!fileExists(notePath)) return std::nullopt;
  IniFile ini;
  if (!ini.load(notePath)) return std::nullopt;
  RecoverySession s;
  s.folder = folder;
  s.projectName = fromHex(ini.readString("Session", "Project", ""));
  s.projectFile = fromHex(ini.readString("Session", "ProjectFile", ""));
  s.projectStamp = FileStamp::fromText(s.projectFile, ini.readString("Session", "ProjectStamp", ""));
  s.library = ini.readInteger("Session", "Lib", 0);
  if (s.library != 1 && s.library != 2) return std::nullopt;
  s.written = std::strtoll(ini.readString("Session", "Written", "0").c_str(), nullptr, 10);
  int count = std::clamp(ini.readInteger("Session", "Forms", 0), 0, 10000);
  for (int k = 0; k < count; ++k) {
    std::string sec = "Form" + std::to_string(k);
    RecoveredForm f;
    f.name = fromHex(ini.readString(sec, "Name", ""));
    f.file = fromHex(ini.readString(sec, "File", ""));
    f.stamp = FileStamp::fromText(f.file, ini.readString(sec, "Stamp", ""));
    std::string copy = ini.readString(sec, "Copy", "");
    if (isCopyName(copy) && fileExists(folder + "/" + copy)) f.copy = folder + "/" + copy;
    else if (!copy.empty()) continue;  // its copy is gone or not ours: nothing to restore it from
    if (f.copy.empty() && f.file.empty()) continue;
    s.forms.push_back(std::move(f));
  }
  if (s.forms.empty()) return std::nullopt;
  return s;
}

std::string when(long long seconds) {
  std::time_t t = std::time_t(seconds);
  std::tm tm{};
  char buf[64] = "an unknown time";
  if (seconds > 0 && ::localtime_r(&t, &tm)) std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M", &tm);
  return buf;
}

}  // namespace

std::string recoveryRoot(const std::string& xdgStateHome, const std::string& home) {
  std::string base = !xdgStateHome.empty() && xdgStateHome[0] == '/' ? xdgStateHome : home + "/.local/state";
  return base + "/tarnowick/recovery";
}

RecoveryWriter::RecoveryWriter(std::string root) : root_(std::move(root)) {
  static std::atomic<int> runs{0};
  folder_ = root_ + "/" + std::to_string(::getpid()) + "-" + std::to_string(std::time(nullptr)) + "-" +
            std::to_string(runs++);
}

RecoveryWriter::~RecoveryWriter() {
  if (lockFd_ >= 0) ::close(lockFd_);
}

bool RecoveryWriter::open(std::string* why) {
  if (lockFd_ >= 0 && isDirectory(folder_)) return true;
  if (lockFd_ >= 0) ::close(lockFd_);
  lockFd_ = -1;
  lastCopies_.clear();
  // The lock is taken before the folder gets its name, so no other run ever sees it unlocked.
  std::string making = folder_ + ".new";
  if (!makeFolders(root_, why) || !makeFolders(making, why)) return false;
  int fd = ::open((making + "/" + kLock).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::rename(making.c_str(), folder_.c_str()) != 0) {
    if (why) *why = "Cannot keep recovery copies in " + folder_ + ": " + std::strerror(errno);
    if (fd >= 0) ::close(fd);
    return false;
  }
  lockFd_ = fd;
  return true;
}

bool RecoveryWriter::update(const WorkSnapshot& work, std::string* why) {
  bool unsaved = false;
  for (const FormDocument* f : work.forms) unsaved = unsaved || hasUnsavedChanges(*f);
  if (!unsaved) {
    remove();
    return true;
  }
  if (!open(why)) return false;
  IniFile note;
  note.writeString("Session", "Project", toHex(work.projectName));
  note.writeString("Session", "ProjectFile", toHex(work.projectFile));
  note.writeString("Session", "ProjectStamp", work.projectStamp.text());
  note.writeInteger("Session", "Lib", work.library);
  note.writeString("Session", "Written", std::to_string(std::time(nullptr)));
  note.writeInteger("Session", "Forms", int(work.forms.size()));
  lastCopies_.resize(std::max(lastCopies_.size(), work.forms.size()));
  for (size_t k = 0; k < work.forms.size(); ++k) {
    const FormDocument& f = *work.forms[k];
    std::string sec = "Form" + std::to_string(k);
    note.writeString(sec, "Name", toHex(f.formName));
    note.writeString(sec, "File", toHex(f.fileName));
    note.writeString(sec, "Stamp", f.diskStamp.path == f.fileName ? f.diskStamp.text() : "");
    if (!f.fileName.empty() && !hasUnsavedChanges(f)) continue;
    note.writeString(sec, "Copy", copyName(k));
    std::string bytes = formText(f);
    if (bytes == lastCopies_[k] && fileExists(folder_ + "/" + copyName(k))) continue;
    if (!writeCopy(folder_ + "/" + copyName(k), bytes, why)) return false;
    lastCopies_[k] = std::move(bytes);
  }
  // The note last: it never names a copy that is not there.
  if (!writeCopy(folder_ + "/" + kNote, note.serialize(), why)) return false;
  for (const auto& name : entries(folder_)) {
    if (!isCopyName(name)) continue;
    bool used = false;
    for (size_t k = 0; k < work.forms.size(); ++k) used = used || note.readString("Form" + std::to_string(k), "Copy", "") == name;
    if (!used) ::unlink((folder_ + "/" + name).c_str());
  }
  return true;
}

void RecoveryWriter::remove() {
  if (lockFd_ < 0) return;
  removeSession(folder_);
  ::close(lockFd_);
  lockFd_ = -1;
  lastCopies_.clear();
}

void removeSession(const std::string& folder) {
  for (const auto& name : entries(folder))
    if (isCopyName(name) || name == kNote || name == kLock) ::unlink((folder + "/" + name).c_str());
  ::rmdir(folder.c_str());
}

std::vector<RecoverySession> leftoverSessions(const std::string& root) {
  std::vector<RecoverySession> out;
  for (const auto& name : entries(root)) {
    std::string folder = root + "/" + name;
    struct stat st;
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) continue;
    int fd = takeLock(folder);
    if (fd < 0) continue;  // a running designer's, or one still being made
    if (auto s = readNote(folder)) out.push_back(std::move(*s));
    else removeSession(folder);
    ::close(fd);
  }
  std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.written > b.written; });
  return out;
}

Message restoreQuestion(const RecoverySession& s) {
  std::string what = s.projectName.empty() ? std::string("forms ") : "project " + s.projectName + ", forms ";
  for (size_t k = 0; k < s.forms.size(); ++k) what += (k ? ", " : "") + s.forms[k].name;
  return {MsgIcon::Question, "Restore",
          "The designer did not close properly. Unsaved work was kept at " + when(s.written) + " (" + what +
              ").\n\nDo you want to restore it? No discards it; Cancel keeps it for the next start.",
          kYes | kNo | kCancel, kYes};
}

std::unique_ptr<FormDocument> readRecoveredForm(const RecoveredForm& f, int library, Colour designColour,
                                                std::string* why, std::vector<std::string>* messages) {
  IniFile ini;
  if (f.copy.empty() || !fileExists(f.copy) || !ini.load(f.copy, why)) {
    if (why && why->empty()) *why = "The copy of " + f.name + " is gone";
    return nullptr;
  }
  std::string name = ini.readString("FORM", "Name", "");
  if (name.empty()) name = f.name.empty() ? "Form" : f.name;
  auto form = std::make_unique<FormDocument>(library, name);
  loadForm(*form, ini, designColour, messages);
  form->fileName = f.file;
  form->diskStamp = f.stamp;
  markUnsaved(*form);
  return form;
}

}  // namespace tw
