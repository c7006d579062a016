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

std::string dirPart(const std::string& path) {
  auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

struct Staged {
  std::string path, tmp;
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

  std::vector<Staged> staged;
  for (const File& f : files) {
    if (isDirectory(f.path)) {
      ok = false;
      if (errors) errors->push_back("Cannot write " + f.path + ": it is a folder");
      continue;
    }
    std::string tmpl = dirPart(f.path) + "/." + fileNamePart(f.path) + ".XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) {
      fail("Cannot write", f.path);
      continue;
    }
    Staged s{f.path, name.data(), fd};
    // Keep the permissions of a file being replaced; a new file gets the usual ones.
    struct stat st;
    mode_t mode;
    if (::stat(f.path.c_str(), &st) == 0) {
      mode = st.st_mode & 07777;
    } else {
      mode_t mask = ::umask(0);
      ::umask(mask);
      mode = 0666 & ~mask;
    }
    size_t done = 0;
    bool written = ::fchmod(fd, mode) == 0;
    while (written && done < f.bytes.size()) {
      ssize_t n = ::write(fd, f.bytes.data() + done, f.bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) written = false;
      else done += size_t(n);
    }
    if (!written) {
      fail("Cannot write", f.path);
      ::close(fd);
      ::unlink(s.tmp.c_str());
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
    bool good = ::fdatasync(s.fd) == 0;
    if (::close(s.fd) != 0) good = false;
    if (good && ::rename(s.tmp.c_str(), s.path.c_str()) != 0) good = false;
    if (!good) {
      fail("Cannot write", s.path);
      ::unlink(s.tmp.c_str());
      continue;
    }
    folders.insert(dirPart(s.path));
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
