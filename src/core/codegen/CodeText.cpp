#include "CodeText.h"

#include <cstdio>

#include "base/Cp1252.h"
#include "model/FormDocument.h"

namespace tw {
namespace {

constexpr const char* kJoiner = "\" + \"";

// Byte length of the first n characters of UTF-8 text (all of it when it is shorter).
size_t prefixBytes(const std::string& s, size_t n) {
  size_t i = 0;
  for (size_t chars = 0; i < s.size() && chars < n; ++chars) {
    ++i;
    while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
  }
  return i;
}

size_t charCount(const std::string& s) {
  size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

}  // namespace

std::string bitmapLiteral(int width, const std::string& bits) {
  char w[16];
  std::snprintf(w, sizeof w, "%02x", static_cast<unsigned>(width));
  std::string out = "\"" + std::string(w) + kJoiner;
  if (charCount(bits) >= 256) {
    size_t cut = prefixBytes(bits, 255);
    out += bits.substr(0, cut) + kJoiner + bits.substr(cut);
  } else {
    out += bits;
  }
  return out + "\"";
}

std::vector<const Control*> dialogsOf(const FormDocument& form) {
  std::vector<const Control*> out;
  for (const auto& c : form.screen().children())
    if (c->classId() == ClassId::PTDialog) out.push_back(c.get());
  return out;
}

std::string linesToFile(const Lines& lines) {
  std::string text;
  size_t size = 0;
  for (const auto& l : lines) size += l.size() + 2;
  text.reserve(size);
  for (const auto& l : lines) {
    text += l;
    text += "\r\n";
  }
  return utf8ToCp1252(std::move(text));
}

}  // namespace tw
