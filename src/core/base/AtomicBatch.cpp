#include "AtomicBatch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <set>

#include "FileIO.h"

namespace tw {
namespace {

struct Staged {
  std::string path, target, tmp;  // path as given, the file written (where its links lead)
  int fd = -1;
};

}  // namespace

void AtomicBatch::add(std::string path, std::string bytes) { files_.push_back({std::move(path), std::move(bytes)}); }

bool AtomicBatch::commit(std::vector<std::string>* errors) {
  std::vector<File> files = std::move(files_);
  files_.clear();
  bool ok = true;
  auto fail = [&](const std::string& what, const std::string& path) {
    ok = false;
    if (errors) errors->push_back(what + " " + path + ": " + std::strerror(errno));
  };

  std::vector<std::pair<const File*, std::string>> targets;
  std::set<std::string> cleaned;
  for (const File& f : files) {
    std::string why;
    auto target = saveTarget(f.path, &why);
    if (!target) {
      ok = false;
      if (errors) errors->push_back(why);
      continue;
    }
    if (std::string refusal = replaceRefusal(*target, f.path); !refusal.empty()) {
      ok = false;
      if (errors) errors->push_back(refusal);
      continue;
    }
    if (cleaned.insert(folderOf(*target)).second) removeSaveLeftovers(folderOf(*target));
    targets.emplace_back(&f, *target);
  }

  std::vector<Staged> staged;
  for (const auto& [file, target] : targets) {
    const File& f = *file;
    Staged s{f.path, target, "", -1};
    int fd = createSaveTemp(target, &s.tmp);
    if (fd < 0) {
      fail("Cannot write", f.path);
      continue;
    }
    s.fd = fd;
    size_t done = 0;
    bool written = ::fchmod(fd, permissionsFor(target)) == 0;
    while (written && done < f.bytes.size()) {
      ssize_t n = ::write(fd, f.bytes.data() + done, f.bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) written = false;
      else done += size_t(n);
    }
    if (!written) {
      fail("Cannot write", f.path);
      ::unlink(s.tmp.c_str());
      ::close(fd);
      continue;
    }
    staged.push_back(std::move(s));
  }

  // Every temporary's data is on the disk before any of them replaces a file. Writing back all of
  // them is started first so that the flushes overlap; each flush covers its own file only, so the
  // time does not depend on what other programs have left unwritten on the same disk.
  for (const Staged& s : staged) ::sync_file_range(s.fd, 0, 0, SYNC_FILE_RANGE_WRITE);
  std::set<std::string> folders;
  for (Staged& s : staged) {
    // Renamed while still open and locked, so that no other save takes it for a leftover meanwhile.
    bool good = ::fdatasync(s.fd) == 0 && ::rename(s.tmp.c_str(), s.target.c_str()) == 0;
    if (!good) {
      fail("Cannot write", s.path);
      ::unlink(s.tmp.c_str());
    } else {
      folders.insert(folderOf(s.target));
    }
    ::close(s.fd);
  }
  // The new names themselves are made lasting with one flush per folder. Should that fail, each
  // file is still whole, old or new, so the save stands.
  for (const std::string& folder : folders) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
      (void)::fsync(fd);
      ::close(fd);
    }
  }
  return ok;
}

}  // namespace tw
