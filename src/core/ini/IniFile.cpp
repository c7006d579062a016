#include "IniFile.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <stdexcept>

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
  reindex();
  if (!fileExists(path) && !isDirectory(path)) return true;
  auto bytes = readWholeFile(path, why);
  if (!bytes) return false;
  parseText(cp1252ToUtf8(std::move(*bytes)));
  return true;
}

void IniFile::parse(std::string_view bytes) { parseText(cp1252ToUtf8(std::string(bytes))); }

void IniFile::parseText(std::string utf8) {
  sections_.clear();
  reindex();
  text_ = std::move(utf8);
  // Places are 32-bit: no file comes near 4 GB (reading refuses far less), and a text that did is read
  // up to there.
  if (text_.size() > UINT32_MAX) text_.resize(UINT32_MAX);
  unused_ = 0;
  std::string_view all(text_);
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
      // A header on the last line, with no line break after it, leaves `pos` one past the end.
      const size_t from = std::min(pos, all.size()), next = std::min(all.find("\n[", from), all.size());
      current->entries.reserve(size_t(std::count(all.begin() + long(from), all.begin() + long(next), '\n')) + 1);
      continue;
    }
    size_t eq = line.find('=');
    if (!current || eq == std::string_view::npos || line[0] == ';') continue;
    std::string_view key = trim(line.substr(0, eq)), value = trim(line.substr(eq + 1));
    auto at = [&](std::string_view part) { return uint32_t(part.data() - all.data()); };
    current->entries.push_back(Entry{at(key), uint32_t(key.size()), at(value), uint32_t(value.size())});
  }
  unused_ = text_.size();  // until entries are counted out of it, all of it may go at a compact()
  for (const Section& sec : sections_)
    for (const Entry& e : sec.entries) unused_ -= e.keyLength + e.valueLength;
}

IniFile::Entry IniFile::store(std::string_view key, std::string_view value) {
  if (unused_ > text_.size() / 2 && unused_ > 65536) compact();
  if (text_.size() + key.size() + value.size() > UINT32_MAX) throw std::length_error("INI text over 4 GB");
  Entry e{uint32_t(text_.size()), uint32_t(key.size()), uint32_t(text_.size() + key.size()), uint32_t(value.size())};
  text_.append(key).append(value);
  return e;
}

// Keeps only what entries hold, so that a file written to again and again does not grow without end.
void IniFile::compact() {
  std::string kept;
  kept.reserve(text_.size() - unused_);
  for (Section& sec : sections_)
    for (Entry& e : sec.entries) {
      std::string_view key = keyOf(e), value = valueOf(e);
      e.key = uint32_t(kept.size());
      kept.append(key);
      e.value = uint32_t(kept.size());
      kept.append(value);
    }
  text_ = std::move(kept);
  unused_ = 0;
}

std::string IniFile::serialize() const {
  size_t size = 0;  // made at its size at once: a large form's text is then not copied as it grows
  for (const Section& sec : sections_) {
    size += sec.name.size() + 6;
    for (const auto& e : sec.entries) size += e.keyLength + e.valueLength + 3;
  }
  std::string out;
  out.reserve(size);
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (i) out += "\r\n";
    out.append(1, '[').append(sections_[i].name).append("]\r\n");
    for (const auto& e : sections_[i].entries) out.append(keyOf(e)).append(1, '=').append(valueOf(e)).append("\r\n");
  }
  return utf8ToCp1252(std::move(out));
}

bool IniFile::save(const std::string& path, std::string* why) const {
  return writeFileAtomic(path, serialize(), why);
}

const IniFile::Section* IniFile::find(std::string_view name) const {
  auto it = index_.find(lowerAscii(name));
  return it == index_.end() ? nullptr : &sections_[it->second];
}

IniFile::Section& IniFile::findOrAdd(std::string_view name) {
  if (lastWritten_ < sections_.size() && sections_[lastWritten_].name == name) return sections_[lastWritten_];
  auto it = index_.find(lowerAscii(name));
  if (it != index_.end()) {
    lastWritten_ = it->second;
  } else {
    sections_.push_back(Section{std::string(name), {}});
    sections_.back().entries.reserve(16);  // a control's record, written key by key, without regrowing
    lastWritten_ = sections_.size() - 1;
    index_.emplace(lowerAscii(name), lastWritten_);
  }
  return sections_[lastWritten_];
}

void IniFile::reindex() {
  lastWritten_ = SIZE_MAX;
  index_.clear();
  for (size_t i = 0; i < sections_.size(); ++i) index_.try_emplace(lowerAscii(sections_[i].name), i);
}

std::vector<std::string> IniFile::sections() const {
  std::vector<std::string> out;
  out.reserve(sections_.size());
  for (const auto& s : sections_) out.push_back(s.name);
  return out;
}

std::optional<size_t> IniFile::sectionIndex(std::string_view section) const {
  auto it = index_.find(lowerAscii(section));
  if (it == index_.end()) return std::nullopt;
  return it->second;
}

std::vector<std::string> IniFile::keys(std::string_view section) const {
  std::vector<std::string> out;
  if (const Section* s = find(section))
    for (const auto& e : s->entries) out.push_back(std::string(keyOf(e)));
  return out;
}

bool IniFile::hasSection(std::string_view section) const { return find(section) != nullptr; }

std::optional<std::string> IniFile::valueIn(const Section* s, std::string_view key) const {
  if (s)
    for (const auto& e : s->entries)
      if (sameText(keyOf(e), key)) return std::string(unquote(valueOf(e)));
  return std::nullopt;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
  return valueIn(find(section), key);
}

std::optional<std::string> IniFile::valueAt(size_t index, std::string_view key) const {
  return valueIn(index < sections_.size() ? &sections_[index] : nullptr, key);
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
  const std::string stored = storedValue(value);
  Section& s = findOrAdd(section);
  for (auto& e : s.entries)
    if (sameText(keyOf(e), key)) {
      const uint32_t old = e.valueLength;
      const Entry fresh = store({}, stored);  // may compact, which moves e's text but keeps e
      unused_ += old;
      e.value = fresh.value;
      e.valueLength = fresh.valueLength;
      return;
    }
  s.entries.push_back(store(oneLine(key), stored));
}

void IniFile::writeInteger(std::string_view section, std::string_view key, long long value) {
  writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
  writeString(section, key, value ? "1" : "0");
}

void IniFile::eraseSection(std::string_view section) {
  if (!find(section)) return;  // lists are mostly written into new sections: no walk over all of them
  std::string low = lowerAscii(section);
  std::erase_if(sections_, [&](const Section& s) {
    if (lowerAscii(s.name) != low) return false;
    for (const Entry& e : s.entries) unused_ += e.keyLength + e.valueLength;
    return true;
  });
  reindex();
}

void IniFile::writeList(std::string_view section, const std::vector<std::string>& items) {
  eraseSection(section);
  Section& s = findOrAdd(section);
  s.entries.push_back(store("Count", std::to_string(items.size())));
  for (size_t i = 0; i < items.size(); ++i) s.entries.push_back(store("Item" + std::to_string(i), storedValue(items[i])));
}

std::optional<std::vector<std::string>> IniFile::readList(std::string_view section, bool keepEmpty) const {
  return listIn(find(section), keepEmpty);
}

std::optional<std::vector<std::string>> IniFile::readListAt(size_t index, bool keepEmpty) const {
  return listIn(index < sections_.size() ? &sections_[index] : nullptr, keepEmpty);
}

std::optional<std::vector<std::string>> IniFile::listIn(const Section* s, bool keepEmpty) const {
  auto countText = valueIn(s, "Count");
  auto count = countText ? parseInteger(*countText) : std::nullopt;
  if (!count || *count < 0) return std::nullopt;
  // Walk the keys that exist rather than counting to `Count`: a huge count costs nothing.
  std::map<long long, std::string> byIndex;
  for (const auto& e : s->entries) {
    const std::string_view key = keyOf(e);
    if (key.size() < 5 || !sameText(key.substr(0, 4), "item")) continue;
    std::string_view digits = key.substr(4);
    if (digits[0] < '0' || digits[0] > '9' || (digits.size() > 1 && digits[0] == '0')) continue;
    long long n = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (ec != std::errc() || end != digits.data() + digits.size() || n >= *count) continue;
    byIndex.try_emplace(n, std::string(unquote(valueOf(e))));
  }
  std::vector<std::string> items;
  for (auto& [n, v] : byIndex)
    if (keepEmpty || !v.empty()) items.push_back(std::move(v));
  return items;
}

}  // namespace tw
