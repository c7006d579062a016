#pragma once
// Scratch folders for tests that touch files.
#include <dirent.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/FileIO.h"

namespace tw {

inline void makeDir(const std::string& p) { ::mkdir(p.c_str(), 0755); }

inline void writeText(const std::string& path, const std::string& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

struct TempDir {
  std::string path;
  TempDir() {
    char tmpl[] = "/tmp/twtest.XXXXXX";
    path = ::mkdtemp(tmpl);
  }
  ~TempDir() { std::system(("chmod -R u+w '" + path + "' 2>/dev/null; rm -rf '" + path + "'").c_str()); }
  std::vector<std::string> list() const {
    std::vector<std::string> names;
    if (DIR* d = ::opendir(path.c_str())) {
      while (auto* e = ::readdir(d))
        if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") names.push_back(e->d_name);
      ::closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
  }
};

// Runs a command line through the shell; its standard output and error come back together.
struct CmdResult {
  int status;
  std::string output;
};
inline CmdResult runCommand(const std::string& cmd) {
  CmdResult r{-1, ""};
  FILE* p = ::popen((cmd + " 2>&1").c_str(), "r");
  std::array<char, 4096> buf;
  size_t n;
  while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) r.output.append(buf.data(), n);
  int st = ::pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

// Compares a text with tests/data/golden/NAME. To renew after an intended change, run the test
// with TW_UPDATE_GOLDEN=1 and read the difference before committing it.
inline std::string goldenText(const std::string& name, const std::string& actual) {
  const std::string path = std::string(TW_TESTDATA_DIR) + "/golden/" + name;
  if (std::getenv("TW_UPDATE_GOLDEN")) writeText(path, actual);
  return readWholeFile(path).value_or("<no golden file " + path + ">");
}

}  // namespace tw
