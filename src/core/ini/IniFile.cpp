#include "IniFile.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "base/Cp1252.h"
#include "base/FileIO.h"

namespace tw {
namespace {

std::string_view trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return s.substr(b, e - b);
}

// One pair of matching quotes around a value is dropped on reading.
std::string_view unquote(std::string_view v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    return v.substr(1, v.size() - 2);
  return v;
}

// A line break inside a value would end it early and could open a section of its own.
std::string oneLine(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c == '\r' || c == '\n') c = ' ';
  return out;
}

// Reading trims blanks and drops one pair of matching quotes; a value that would lose either is
// written inside one more pair of quotes, which reading then drops (as any INI reader does).
std::string storedValue(std::string_view v) {
  std::string out = oneLine(v);
  if (out.empty()) return out;
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  bool quoted = out.size() >= 2 && (out.front() == '"' || out.front() == '\'') && out.back() == out.front();
  return blank(out.front()) || blank(out.back()) || quoted ? '"' + out + '"' : out;
}

}  // namespace

std::optional<int> parseInteger(std::string_view text) {
  std::string_view s = trim(text);
  bool negative = false;
  if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
    negative = s[0] == '-';
    s.remove_prefix(1);
  }
  int base = 10;
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    s.remove_prefix(2);
  } else if (s.size() > 1 && s[0] == '$') {
    base = 16;
    s.remove_prefix(1);
  }
  if (s.empty()) return std::nullopt;
  unsigned long long v = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v, base);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  if (base == 16) {
    if (v > 0xFFFFFFFFull) return std::nullopt;
    // Hex text covers the 32-bit pattern; a sign negates it modulo 2^32, so "-0x80000000" is the
    // lowest integer rather than an overflow.
    const auto bits = static_cast<unsigned>(v);
    return static_cast<int>(negative ? 0u - bits : bits);
  }
  if (negative) {
    if (v > 2147483648ull) return std::nullopt;
    return static_cast<int>(-static_cast<long long>(v));
  }
  if (v > 2147483647ull) return std::nullopt;
  return static_cast<int>(v);
}

bool IniFile::load(const std::string& path, std::string* why) {
  path_ = path;
  sections_.clear();
  index_.clear();
  if (!fileExists(path) && !isDirectory(path)) return true;
  auto bytes = readWholeFile(path, why);
  if (!bytes) return false;
  parse(*bytes);
  return true;
}

void IniFile::parse(std::string_view bytes) {
  sections_.clear();
  index_.clear();
  std::string text = cp1252ToUtf8(bytes);
  std::string_view all(text);
  Section* current = nullptr;
  size_t pos = 0;
  int lineNo = 0;
  while (pos < all.size()) {
    ++lineNo;
    size_t eol = all.find('\n', pos);
    if (eol == std::string_view::npos) eol = all.size();
    std::string_view line = all.substr(pos, eol - pos);
    pos = eol + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = trim(line);
    if (line.empty()) continue;
    if (line[0] == '[') {
      size_t close = line.find(']');
      std::string_view name = trim(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
      sections_.push_back(Section{std::string(name), {}, lineNo});
      current = &sections_.back();
      index_.try_emplace(lowerAscii(name), sections_.size() - 1);
      // Room for the section's lines at once: growing key by key costs a form file most of its reading.
      size_t next = std::min(all.find("\n[", pos), all.size());
      current->entries.reserve(size_t(std::count(all.begin() + long(pos), all.begin() + long(next), '\n')) + 1);
      continue;
    }
    size_t eq = line.find('=');
    if (!current || eq == std::string_view::npos || line[0] == ';') continue;
    current->entries.push_back(
        Entry{std::string(trim(line.substr(0, eq))), std::string(trim(line.substr(eq + 1)))});
  }
}

std::string IniFile::serialize() const {
  std::string out;
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (i) out += "\r\n";
    out.append(1, '[').append(sections_[i].name).append("]\r\n");
    for (const auto& e : sections_[i].entries) out.append(e.key).append(1, '=').append(e.value).append("\r\n");
  }
  return utf8ToCp1252(out);
}

bool IniFile::save(const std::string& path, std::string* why) const {
  return writeFileAtomic(path, serialize(), why);
}

const IniFile::Section* IniFile::find(std::string_view name) const {
  auto it = index_.find(lowerAscii(name));
  return it == index_.end() ? nullptr : &sections_[it->second];
}

IniFile::Section& IniFile::findOrAdd(std::string_view name) {
  auto it = index_.find(lowerAscii(name));
  if (it != index_.end()) return sections_[it->second];
  sections_.push_back(Section{std::string(name), {}});
  sections_.back().entries.reserve(16);  // a control's record, written key by key, without regrowing
  index_.emplace(lowerAscii(name), sections_.size() - 1);
  return sections_.back();
}

void IniFile::reindex() {
  index_.clear();
  for (size_t i = 0; i < sections_.size(); ++i) index_.try_emplace(lowerAscii(sections_[i].name), i);
}

std::vector<std::string> IniFile::sections() const {
  std::vector<std::string> out;
  out.reserve(sections_.size());
  for (const auto& s : sections_) out.push_back(s.name);
  return out;
}

IniFile IniFile::sectionAt(size_t index) const {
  IniFile out;
  out.path_ = path_;
  if (index < sections_.size()) {
    out.sections_.push_back(sections_[index]);
    out.reindex();
  }
  return out;
}

std::vector<std::string> IniFile::keys(std::string_view section) const {
  std::vector<std::string> out;
  if (const Section* s = find(section))
    for (const auto& e : s->entries) out.push_back(e.key);
  return out;
}

bool IniFile::hasSection(std::string_view section) const { return find(section) != nullptr; }

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
  if (const Section* s = find(section))
    for (const auto& e : s->entries)
      if (sameText(e.key, key)) return std::string(unquote(e.value));
  return std::nullopt;
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view def) const {
  auto v = value(section, key);
  return v ? *v : std::string(def);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int def) const {
  auto v = value(section, key);
  if (!v) return def;
  auto n = parseInteger(*v);
  return n ? *n : def;
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool def) const {
  return readInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  Section& s = findOrAdd(section);
  for (auto& e : s.entries)
    if (sameText(e.key, key)) {
      e.value = storedValue(value);
      return;
    }
  s.entries.push_back(Entry{oneLine(key), storedValue(value)});
}

void IniFile::writeInteger(std::string_view section, std::string_view key, long long value) {
  writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
  writeString(section, key, value ? "1" : "0");
}

void IniFile::eraseSection(std::string_view section) {
  std::string low = lowerAscii(section);
  std::erase_if(sections_, [&](const Section& s) { return lowerAscii(s.name) == low; });
  reindex();
}

void IniFile::writeList(std::string_view section, const std::vector<std::string>& items) {
  eraseSection(section);
  Section& s = findOrAdd(section);
  s.entries.push_back(Entry{"Count", std::to_string(items.size())});
  for (size_t i = 0; i < items.size(); ++i)
    s.entries.push_back(Entry{"Item" + std::to_string(i), storedValue(items[i])});
}

std::optional<std::vector<std::string>> IniFile::readList(std::string_view section, bool keepEmpty) const {
  int count = readInteger(section, "Count", -1);
  if (count < 0) return std::nullopt;
  // Walk the keys that exist rather than counting to `Count`: a huge count costs nothing.
  std::map<long long, std::string> byIndex;
  if (const Section* s = find(section)) {
    for (const auto& e : s->entries) {
      if (e.key.size() < 5 || !sameText(std::string_view(e.key).substr(0, 4), "item")) continue;
      std::string_view digits = std::string_view(e.key).substr(4);
      if (digits[0] < '0' || digits[0] > '9' || (digits.size() > 1 && digits[0] == '0')) continue;
      long long n = 0;
      auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
      if (ec != std::errc() || end != digits.data() + digits.size() || n >= count) continue;
      byIndex.try_emplace(n, std::string(unquote(e.value)));
    }
  }
  std::vector<std::string> items;
  for (auto& [n, v] : byIndex)
    if (keepEmpty || !v.empty()) items.push_back(std::move(v));
  return items;
}

}  // namespace tw
