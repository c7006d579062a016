#pragma once
// Several whole-file writes made safe together: each file is written to a temporary beside it, all of
// them are sent to the disk at once, each is renamed over its target once its data is on the disk,
// and each folder is flushed once at the end. Saving a project of fifty forms waits for the disk
// about as long as one large file would, and never for other programs' unwritten data.
#include <string>
#include <string_view>
#include <vector>

namespace tw {

class AtomicBatch {
 public:
  void add(std::string path, std::string bytes);
  bool empty() const { return files_.empty(); }
  // Writes every file (through symbolic links, as writeFileAtomic does). A file that fails leaves its
  // old file as it was and adds why to errors; the others are written all the same. Returns true when
  // every file was written. The batch is emptied.
  bool commit(std::vector<std::string>* errors);

 private:
  struct File {
    std::string path, bytes;
  };
  std::vector<File> files_;
};

}  // namespace tw
