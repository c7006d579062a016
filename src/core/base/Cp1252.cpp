#include "Cp1252.h"

#include <algorithm>

namespace tw {
namespace {

// Code points of 0x80..0x9F; the undefined codes keep their own value.
constexpr char32_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at i; returns U+FFFD for a malformed one and advances past it.
char32_t nextCodePoint(std::string_view s, size_t& i) {
  unsigned char c = s[i++];
  if (c < 0x80) return c;
  int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : -1;
  if (extra < 0 || c >= 0xF8) return 0xFFFD;
  char32_t cp = c & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 0xFFFD;
    cp = (cp << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
  }
  return cp;
}

// The number of bytes below 0x80 from i on.
size_t asciiRun(std::string_view s, size_t i) {
  size_t n = i;
  while (n < s.size() && static_cast<unsigned char>(s[n]) < 0x80) ++n;
  return n - i;
}

}  // namespace

char32_t cp1252ToUnicode(unsigned char code) {
  return code >= 0x80 && code < 0xA0 ? kHigh[code - 0x80] : char32_t(code);
}

std::optional<unsigned char> cp1252Code(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
  for (int k = 0; k < 32; ++k)
    if (kHigh[k] == cp) return static_cast<unsigned char>(0x80 + k);
  return std::nullopt;
}

std::string cp1252ToUtf8(std::string bytes) {
  // Form files are almost all ASCII, which is the same in both: copied a run at a time, and a file
  // that is ASCII alone is given back as it came.
  size_t i = asciiRun(bytes, 0);
  if (i == bytes.size()) return bytes;
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  out.append(bytes, 0, i);
  while (i < bytes.size()) {
    appendUtf8(out, cp1252ToUnicode(static_cast<unsigned char>(bytes[i++])));
    size_t run = asciiRun(bytes, i);
    out.append(bytes, i, run);
    i += run;
  }
  return out;
}

// In place: a character never takes more bytes in Windows-1252 than in UTF-8, so the text written
// never overtakes the text still to read.
std::string utf8ToCp1252(std::string text) {
  size_t out = asciiRun(text, 0);
  for (size_t i = out; i < text.size();) {
    size_t run = asciiRun(text, i);
    std::copy(text.begin() + long(i), text.begin() + long(i + run), text.begin() + long(out));
    out += run;
    i += run;
    if (i == text.size()) break;
    auto code = cp1252Code(nextCodePoint(text, i));
    text[out++] = code ? char(*code) : '?';
  }
  text.resize(out);
  return text;
}

bool fitsCp1252(std::string_view text) {
  for (size_t i = 0; i < text.size();)
    if (!cp1252Code(nextCodePoint(text, i))) return false;
  return true;
}

}  // namespace tw
