#include "FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace tw {
namespace {

std::string reason(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

std::string dirPart(const std::string& path) {
  auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

bool fileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool isDirectory(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
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
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
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

bool writeFileAtomic(const std::string& path, std::string_view bytes, std::string* why) {
  if (isDirectory(path)) {
    if (why) *why = "Cannot write " + path + ": it is a folder";
    return false;
  }
  std::string tmpl = dirPart(path) + "/." + fileNamePart(path) + ".XXXXXX";
  std::vector<char> name(tmpl.begin(), tmpl.end());
  name.push_back('\0');
  int fd = ::mkstemp(name.data());
  if (fd < 0) {
    if (why) *why = reason("Cannot write", path);
    return false;
  }
  std::string tmp(name.data());
  auto fail = [&](const char* what) {
    if (why) *why = reason(what, path);
    ::close(fd);
    ::unlink(tmp.c_str());
    return false;
  };
  // Keep the permissions of a file being replaced; a new file gets the usual ones.
  struct stat st;
  mode_t mode = ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0666;
  if (::stat(path.c_str(), &st) != 0) {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode &= ~mask;
  }
  if (::fchmod(fd, mode) != 0) return fail("Cannot write");
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail("Cannot write");
    }
    done += size_t(n);
  }
  if (::fsync(fd) != 0) return fail("Cannot write");
  if (::close(fd) != 0) {
    if (why) *why = reason("Cannot write", path);
    ::unlink(tmp.c_str());
    return false;
  }
  if (::rename(tmp.c_str(), path.c_str()) != 0) {
    if (why) *why = reason("Cannot write", path);
    ::unlink(tmp.c_str());
    return false;
  }
  return true;
}

}  // namespace tw
