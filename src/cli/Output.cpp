#include "Output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/FileIO.h"

namespace tw {
namespace {

bool stream(const std::string& path, std::string_view bytes, std::string* why) {
  auto fail = [&](int fd) {
    if (why) *why = "Cannot write " + path + ": " + std::strerror(errno);
    if (fd >= 0) ::close(fd);
    return false;
  };
  // No O_CREAT: what is opened is the device or FIFO that was looked at, never a new file.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return fail(fd);
  struct stat st;
  if (::fstat(fd, &st) != 0) return fail(fd);
  if (!S_ISCHR(st.st_mode) && !S_ISFIFO(st.st_mode)) {
    ::close(fd);
    if (why) *why = "Cannot write " + path + ": it changed while it was being opened";
    return false;
  }
  for (size_t done = 0; done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail(fd);
    }
    done += size_t(n);
  }
  if (::close(fd) != 0) return fail(-1);
  return true;
}

}  // namespace

bool writeOutput(const std::string& path, std::string_view bytes, std::string* why) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode)) return writeFileAtomic(path, bytes, why);
  if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode)) return stream(path, bytes, why);
  if (why)
    *why = "Cannot write " + path + (S_ISDIR(st.st_mode) ? ": it is a folder" : ": it is not a regular file");
  return false;
}

}  // namespace tw
