#pragma once
// What a file was like when the designer last read or wrote it: enough to tell whether another
// program, or another designer, has written it since.
#include <cstdint>
#include <string>

namespace tw {

struct FileStamp {
  std::string path;  // the file stamped; empty: nothing was read from or written to a file
  bool exists = false;
  uint64_t device = 0, inode = 0;
  int64_t size = 0, mtimeSec = 0, mtimeNsec = 0;

  bool operator==(const FileStamp&) const = default;
  // "device:inode:size:seconds:nanoseconds", and back (a text that is not one gives no stamp).
  std::string text() const;
  static FileStamp fromText(const std::string& path, const std::string& text);
};

// The stamp of the file at path now (a symbolic link is followed to the file it names).
FileStamp stampOf(const std::string& path);
// Whether a file is at the stamp's path that is not the one stamped: written, replaced or created
// there since. A file removed since is no change that a save could overwrite.
bool changedOnDisk(const FileStamp& stamp);

}  // namespace tw
