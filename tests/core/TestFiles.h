#pragma once
// Scratch folders for tests that touch files.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
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

// A golden file of named blocks: a line "=== NAME" opens a block, which runs to the next such line.
using GoldenBlocks = std::vector<std::pair<std::string, std::string>>;
inline GoldenBlocks goldenBlocks(const std::string& file) {
  GoldenBlocks blocks;
  const std::string text = readWholeFile(std::string(TW_TESTDATA_DIR) + "/golden/" + file).value_or("");
  if (text.find("=== ") != 0) ADD_FAILURE() << file << " is missing or opens with no block";  // else nothing runs
  for (size_t at = 0, eol; at < text.size(); at = eol + 1) {
    eol = std::min(text.find('\n', at), text.size());
    const std::string line = text.substr(at, eol - at);
    if (line.rfind("=== ", 0) == 0) blocks.push_back({line.substr(4), ""});
    else if (!blocks.empty()) blocks.back().second += line + "\n";
  }
  return blocks;
}

// The block NAME of a golden file that holds a test's input.
inline std::string inputBlock(const std::string& file, const std::string& name) {
  for (const auto& [n, b] : goldenBlocks(file))
    if (n == name) return b;
  return "<no block " + name + " in " + file + ">";
}

// The block NAME of a golden file, to compare with `actual` (which ends in a line break). TW_UPDATE_GOLDEN=1
// renews it, as goldenText does.
inline std::string goldenBlock(const std::string& file, const std::string& name, const std::string& actual) {
  GoldenBlocks blocks = goldenBlocks(file);
  auto it = std::find_if(blocks.begin(), blocks.end(), [&](const auto& b) { return b.first == name; });
  if (std::getenv("TW_UPDATE_GOLDEN")) {
    if (it == blocks.end()) blocks.push_back({name, actual});
    else it->second = actual;
    std::string text;
    for (const auto& [n, b] : blocks) text += "=== " + n + "\n" + b;
    writeText(std::string(TW_TESTDATA_DIR) + "/golden/" + file, text);
    return actual;
  }
  return it == blocks.end() ? "<no block " + name + " in " + file + ">" : it->second;
}

// Bytes in a script's line: "\n", "\r", "\t", "\b", "\\" and "\xNN" stand for those bytes.
inline std::string unescape(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\' || i + 1 >= s.size()) out += s[i];
    else if (const char* c = std::strchr("n\nr\rt\tb\b\\\\", s[++i])) out += c[1];
    else out += char(std::stoi(s.substr(i + 1, 2), nullptr, 16)), i += 2;
  }
  return out;
}
// The other way: bytes outside printable ASCII, and the backslash, written as escapes.
inline std::string escape(const std::string& s) {
  std::string out;
  for (unsigned char c : s) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", c);
    out += c == '\\' ? "\\\\" : c == '\r' ? "\\r" : c == '\n' ? "\\n" : (c < 0x20 || c > 0x7E) ? hex : std::string(1, char(c));
  }
  return out;
}

// Checks the sessions of a golden file of scripts. In each block, the lines that `isAnswer` tells apart are
// what the last run printed; every other line is kept, and each that is neither blank nor a '#' comment is
// run by a fresh S for the block (S::run gives its answer lines); the transcript must equal the block.
template <class S, class IsAnswer> void expectSessions(const std::string& file, IsAnswer isAnswer) {
  for (const auto& [name, block] : goldenBlocks(file)) {
    S session;
    std::string transcript;
    for (size_t at = 0, eol; at < block.size(); at = eol + 1) {
      eol = block.find('\n', at);
      const std::string line = block.substr(at, eol - at);
      if (isAnswer(line)) continue;
      transcript += line + "\n";
      if (!line.empty() && line[0] != '#') transcript += session.run(line);
    }
    EXPECT_EQ(transcript, goldenBlock(file, name, transcript)) << name;
  }
}
inline bool isArrowAnswer(const std::string& line) { return line.rfind("-> ", 0) == 0; }

}  // namespace tw
