#include "GeneratedBase.h"

#include <sys/stat.h>

#include <cerrno>
#include <algorithm>
#include <charconv>
#include <cstring>
#include <ctime>

#include "base/FileIO.h"

namespace tw {
namespace {

constexpr std::string_view kFirstLine = "Tarnowick generated files 1";
constexpr const char* kManifest = "manifest";

// A name the manifest may hold: a file of the output folder itself, never a path out of it.
bool plainName(std::string_view n) {
  if (n.empty() || n == "." || n == "..") return false;
  for (char c : n)
    if (c == '/' || c == '\0' || c == '\r' || c == '\n') return false;
  return true;
}

std::string oneLine(std::string s) {
  for (char& c : s)
    if (c == '\r' || c == '\n' || c == '\0') c = ' ';
  return s;
}

template <class T>
bool number(std::string_view s, T& out, int base) {
  if (s.empty()) return false;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out, base);
  return ec == std::errc() && end == s.data() + s.size();
}

std::string utcNow() {
  std::time_t now = std::time(nullptr);
  std::tm t{};
  gmtime_r(&now, &t);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%SZ", &t);
  return buf;
}

}  // namespace

const BaseEntry* BaseManifest::find(const std::string& file) const {
  for (const auto& e : files)
    if (e.file == file) return &e;
  return nullptr;
}

uint64_t baseChecksum(std::string_view bytes) {
  uint64_t h = 14695981039346656037ull;  // FNV-1a
  for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
  return h;
}

std::optional<BaseManifest> parseBaseManifest(std::string_view bytes) {
  BaseManifest m;
  bool first = true;
  while (!bytes.empty()) {
    size_t nl = bytes.find('\n');
    if (nl == std::string_view::npos) return std::nullopt;  // cut short: a line without its end
    std::string_view line = bytes.substr(0, nl);
    bytes.remove_prefix(nl + 1);
    if (first) {
      if (line != kFirstLine) return std::nullopt;
      first = false;
      continue;
    }
    size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    std::string_view key = line.substr(0, eq), value = line.substr(eq + 1);
    if (key == "Project") {
      m.project = value;
    } else if (key == "Time") {
      m.time = value;
    } else if (key == "File") {
      // The name may hold commas: the size and checksum are the last two fields.
      size_t c2 = value.rfind(',');
      size_t c1 = c2 == std::string_view::npos || c2 == 0 ? std::string_view::npos : value.rfind(',', c2 - 1);
      if (c1 == std::string_view::npos) return std::nullopt;
      BaseEntry e;
      e.file = value.substr(0, c1);
      if (!plainName(e.file) || m.find(e.file) || !number(value.substr(c1 + 1, c2 - c1 - 1), e.size, 10) ||
          !number(value.substr(c2 + 1), e.checksum, 16))
        return std::nullopt;
      m.files.push_back(std::move(e));
    } else {
      return std::nullopt;
    }
  }
  if (first) return std::nullopt;
  return m;
}

std::string formatBaseManifest(const BaseManifest& m) {
  std::string out = std::string(kFirstLine) + "\n";
  out += "Project=" + oneLine(m.project) + "\n";
  out += "Time=" + oneLine(m.time) + "\n";
  for (const auto& e : m.files) {
    if (!plainName(e.file)) continue;
    char hex[17];
    auto end = std::to_chars(hex, hex + 16, e.checksum, 16).ptr;
    out += "File=" + e.file + "," + std::to_string(e.size) + "," + std::string(hex, end) + "\n";
  }
  return out;
}

GeneratedBases::GeneratedBases(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  folder_ = folder + kBaseFolderName + "/";
  if (auto bytes = readWholeFile(folder_ + kManifest))
    if (auto m = parseBaseManifest(*bytes)) manifest_ = std::move(*m);
}

std::optional<std::string> GeneratedBases::baseOf(const std::string& file) const {
  const BaseEntry* e = manifest_.find(fileNamePart(file));
  if (!e) return std::nullopt;
  auto bytes = readWholeFile(folder_ + e->file);
  if (!bytes || bytes->size() != e->size || baseChecksum(*bytes) != e->checksum) return std::nullopt;
  return bytes;
}

void GeneratedBases::record(const std::string& file, std::string bytes) {
  recorded_.emplace_back(fileNamePart(file), std::move(bytes));
}

bool GeneratedBases::commit(const std::string& project, std::string* why) {
  if (recorded_.empty()) return true;
  std::string hidden = folder_.substr(0, folder_.size() - 1);
  if (!isDirectory(hidden) && ::mkdir(hidden.c_str(), 0777) != 0 && errno != EEXIST) {
    *why = "Cannot create the folder " + hidden + ": " + std::strerror(errno);
    return false;
  }
  bool swept = false;
  for (auto& [name, bytes] : recorded_) {
    if (!plainName(name)) continue;
    if (!writeDerivedFileAtomic(folder_ + name, bytes, why, &swept)) return false;
    BaseEntry entry{name, bytes.size(), baseChecksum(bytes)};
    auto it = std::find_if(manifest_.files.begin(), manifest_.files.end(), [&](auto& e) { return e.file == entry.file; });
    if (it != manifest_.files.end()) *it = entry;
    else manifest_.files.push_back(entry);
  }
  recorded_.clear();
  manifest_.project = project;
  manifest_.time = utcNow();
  return writeDerivedFileAtomic(folder_ + kManifest, formatBaseManifest(manifest_), why, &swept);
}

bool hasGeneratedBase(const std::string& path) {
  return GeneratedBases(folderOf(path)).baseOf(path).has_value();
}

}  // namespace tw
