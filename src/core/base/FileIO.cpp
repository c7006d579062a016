#include "FileIO.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

#include "Text.h"

namespace tw {
namespace {

std::string reason(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

// A name mkstemp made for a save of a file the designer writes: "." + NAME + "." + six letters or
// digits, NAME a form, project, options, source or icon file.
bool isSaveTempName(std::string_view n) {
  if (n.size() < 9 || n[0] != '.' || n[n.size() - 7] != '.') return false;
  for (char c : n.substr(n.size() - 6))
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  std::string_view target = n.substr(1, n.size() - 8);
  auto dot = target.rfind('.');
  if (dot == std::string_view::npos) return false;
  std::string_view ext = target.substr(dot + 1);
  for (const char* ours : {"twk", "twp", "ini", "pc", "h", "bmp"})
    if (sameText(ext, ours)) return true;
  return false;
}

}  // namespace

std::string folderOf(const std::string& path) {
  auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::optional<std::string> saveTarget(const std::string& path, std::string* why) {
  std::string p = path;
  // As many links as the system itself follows before it gives up.
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st;
    if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
    std::vector<char> buf(size_t(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
    ssize_t n = ::readlink(p.c_str(), buf.data(), buf.size());
    if (n <= 0 || size_t(n) >= buf.size()) return p;  // changed under us: write where we were told
    std::string link(buf.data(), size_t(n));
    p = link[0] == '/' ? link : folderOf(p) + "/" + link;
  }
  if (why) *why = "Cannot write " + path + ": its symbolic links go round in a loop";
  return std::nullopt;
}

int createSaveTemp(const std::string& target, std::string* tmpPath) {
  for (int attempt = 0; attempt < 8; ++attempt) {
    std::string tmpl = folderOf(target) + "/." + fileNamePart(target) + ".XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    int fd = ::mkostemp(name.data(), O_CLOEXEC);  // a program started meanwhile must not hold its lock
    if (fd < 0) return -1;
    // Another save's clean-up may take the new file for a leftover before it is locked: then it is
    // locked by that clean-up or already gone, and a new one is made. A file system without locks
    // saves all the same (and its leftovers are never removed).
    bool takenAway = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    struct stat st;
    if (!takenAway && ::fstat(fd, &st) == 0 && st.st_nlink > 0) {
      *tmpPath = name.data();
      return fd;
    }
    ::close(fd);
  }
  errno = EAGAIN;
  return -1;
}

unsigned permissionsFor(const std::string& target) {
  struct stat st;
  if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
  // Reading the creation mask means setting it; no part of this program changes it, so once will do.
  static const mode_t mask = [] {
    mode_t m = ::umask(0);
    ::umask(m);
    return m;
  }();
  return 0666 & ~mask;
}

void removeSaveLeftovers(const std::string& folder) {
  DIR* d = ::opendir(folder.c_str());
  if (!d) return;
  while (const dirent* e = ::readdir(d)) {
    if (!isSaveTempName(e->d_name)) continue;
    const std::string p = folder + "/" + e->d_name;
    int fd = ::open(p.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat held, now;
    if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        ::lstat(p.c_str(), &now) == 0 && now.st_dev == held.st_dev && now.st_ino == held.st_ino)
      ::unlink(p.c_str());
    ::close(fd);
  }
  ::closedir(d);
}

bool fileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool isDirectory(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string replaceRefusal(const std::string& target, const std::string& path) {
  struct stat st;
  if (::stat(target.c_str(), &st) != 0 || S_ISREG(st.st_mode)) return {};
  return "Cannot write " + path + (S_ISDIR(st.st_mode) ? ": it is a folder" : ": it is not a regular file");
}

bool sameFile(const std::string& a, const std::string& b) {
  struct stat sa, sb;
  if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0)
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
  return a == b;
}

std::string fileNamePart(const std::string& path) {
  auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<std::string> readWholeFile(const std::string& path, std::string* why) {
  // O_NONBLOCK: opening a pipe that no one writes must not hang; it is refused below.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (why) *why = reason("Cannot open", path);
    return std::nullopt;
  }
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    if (why) *why = "Cannot read " + path + ": not a regular file";
    ::close(fd);
    return std::nullopt;
  }
  std::string data;
  data.reserve(size_t(std::min<off_t>(st.st_size, off_t(kMaxInputFile))));  // one buffer, not a doubling series
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      if (why) *why = reason("Cannot read", path);
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    if (data.size() + size_t(n) > kMaxInputFile) {
      if (why) *why = "Cannot read " + path + ": the file is too large";
      ::close(fd);
      return std::nullopt;
    }
    data.append(buf, size_t(n));
  }
  ::close(fd);
  return data;
}

namespace {

bool replaceWhole(const std::string& path, std::string_view bytes, std::string* why, bool flush, bool* swept) {
  const auto target = saveTarget(path, why);
  if (!target) return false;
  if (std::string refusal = replaceRefusal(*target, path); !refusal.empty()) {
    if (why) *why = refusal;
    return false;
  }
  if (!swept || !*swept) removeSaveLeftovers(folderOf(*target));
  if (swept) *swept = true;
  std::string tmp;
  int fd = createSaveTemp(*target, &tmp);
  if (fd < 0) {
    if (why) *why = reason("Cannot write", path);
    return false;
  }
  auto fail = [&](const char* what) {
    if (why) *why = reason(what, path);
    ::unlink(tmp.c_str());
    ::close(fd);
    return false;
  };
  if (::fchmod(fd, permissionsFor(*target)) != 0) return fail("Cannot write");
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail("Cannot write");
    }
    done += size_t(n);
  }
  if (flush && ::fsync(fd) != 0) return fail("Cannot write");
  // Renamed while still open and locked, so that no other save takes it for a leftover meanwhile.
  if (::rename(tmp.c_str(), target->c_str()) != 0) return fail("Cannot write");
  ::close(fd);
  return true;
}

}  // namespace

bool writeFileAtomic(const std::string& path, std::string_view bytes, std::string* why) {
  return replaceWhole(path, bytes, why, true, nullptr);
}

bool writeDerivedFileAtomic(const std::string& path, std::string_view bytes, std::string* why, bool* swept) {
  // A file that holds these bytes already is left alone: its time stays, so a build does not redo
  // what depends on it, and a regeneration that changes nothing writes nothing.
  if (auto old = readWholeFile(path); old && *old == bytes) return true;
  return replaceWhole(path, bytes, why, false, swept);
}

}  // namespace tw
