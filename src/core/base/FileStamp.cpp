#include "FileStamp.h"

#include <sys/stat.h>

#include <charconv>
#include <cstdio>

namespace tw {

FileStamp stampOf(const std::string& path) {
  FileStamp s;
  s.path = path;
  struct stat st;
  if (path.empty() || ::stat(path.c_str(), &st) != 0) return s;
  s.exists = true;
  s.device = uint64_t(st.st_dev);
  s.inode = uint64_t(st.st_ino);
  s.size = int64_t(st.st_size);
  s.mtimeSec = int64_t(st.st_mtim.tv_sec);
  s.mtimeNsec = int64_t(st.st_mtim.tv_nsec);
  return s;
}

bool changedOnDisk(const FileStamp& stamp) {
  if (stamp.path.empty()) return false;
  FileStamp now = stampOf(stamp.path);
  return now.exists && now != stamp;
}

std::string FileStamp::text() const {
  if (!exists) return {};
  char buf[128];
  std::snprintf(buf, sizeof buf, "%llu:%llu:%lld:%lld:%lld", (unsigned long long)device, (unsigned long long)inode,
                (long long)size, (long long)mtimeSec, (long long)mtimeNsec);
  return buf;
}

FileStamp FileStamp::fromText(const std::string& path, const std::string& text) {
  FileStamp s;
  s.path = path;
  const char* p = text.data();
  const char* end = p + text.size();
  uint64_t dev = 0, ino = 0;
  int64_t fields[3] = {};
  auto take = [&](auto& v, bool last) {
    auto [next, ec] = std::from_chars(p, end, v);
    if (ec != std::errc() || (next == end ? !last : (last || *next != ':'))) return false;
    p = next == end ? end : next + 1;
    return true;
  };
  if (!take(dev, false) || !take(ino, false) || !take(fields[0], false) || !take(fields[1], false) ||
      !take(fields[2], true))
    return s;
  s.exists = true;
  s.device = dev;
  s.inode = ino;
  s.size = fields[0];
  s.mtimeSec = fields[1];
  s.mtimeNsec = fields[2];
  return s;
}

}  // namespace tw
