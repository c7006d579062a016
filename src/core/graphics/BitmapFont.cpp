#include "BitmapFont.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <fstream>
#include <iterator>

#include "base/Cp1252.h"
#include "base/Text.h"

namespace tw {

namespace detail {

unsigned char cp1252OfNonAscii(std::string_view s, size_t& i) {
  unsigned char c = static_cast<unsigned char>(s[i++]);
  int extra = c >= 0xF8 ? -1 : c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : -1;
  if (extra < 0) return '?';
  char32_t cp = c & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return '?';
    cp = (cp << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
  }
  auto code = cp1252Code(cp);
  return code ? *code : '?';
}

}  // namespace detail

namespace {

// Splits a line into blank-separated words without allocating.
struct Words {
  std::string_view rest;
  std::string_view next() {
    size_t b = rest.find_first_not_of(" \t\r\f\v");
    if (b == std::string_view::npos) {
      rest = {};
      return {};
    }
    rest.remove_prefix(b);
    size_t e = rest.find_first_of(" \t\r\f\v");
    std::string_view w = rest.substr(0, e);
    rest.remove_prefix(e == std::string_view::npos ? rest.size() : e);
    return w;
  }
};

bool toInt(std::string_view w, int lo, int hi, int& out) {
  long long v = 0;
  const char* end = w.data() + w.size();
  auto r = std::from_chars(w.data(), end, v);
  if (w.empty() || r.ec != std::errc() || r.ptr != end || v < lo || v > hi) return false;
  out = static_cast<int>(v);
  return true;
}

std::string_view unquote(std::string_view v) {
  size_t b = v.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  v.remove_prefix(b);
  while (!v.empty() && (v.back() == ' ' || v.back() == '\t' || v.back() == '\r')) v.remove_suffix(1);
  if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
  return v;
}


}  // namespace

void BitmapFont::finish(int defaultChar) {
  glyphCount_ = 0;
  for (const Glyph& g : glyphs_) glyphCount_ += g.present;
  // Codes without a glyph draw the default character, as a platform font does.
  if (defaultChar >= 0 && defaultChar < 256 && glyphs_[defaultChar].present) {
    Glyph d = glyphs_[defaultChar];
    for (Glyph& g : glyphs_)
      if (!g.present) {
        g = d;
        g.present = false;
      }
  }
}

std::optional<BitmapFont> BitmapFont::parse(std::string_view bdf, std::string* error) {
  int lineNo = 0;
  auto fail = [&](const char* what) -> std::optional<BitmapFont> {
    if (error) *error = lineNo ? "line " + std::to_string(lineNo) + ": " + what : std::string(what);
    return std::nullopt;
  };
  if (bdf.size() > kMaxFileSize) return fail("file too large for a bitmap font");

  BitmapFont font;
  bool started = false, inProps = false, ended = false;
  int ascent = -1, descent = -1, bbAscent = -1, bbDescent = -1, defaultChar = -1;
  std::string face, family;
  // the glyph being read
  bool inChar = false;
  int rowsLeft = -1, encoding = -1, dwidth = -1, w = -1, h = -1, xoff = 0, yoff = 0;
  std::vector<uint32_t> bits;
  bits.reserve(kMaxGlyphHeight);

  size_t pos = 0;
  while (pos < bdf.size() && !ended) {
    size_t nl = bdf.find('\n', pos);
    std::string_view line = bdf.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
    pos = nl == std::string_view::npos ? bdf.size() : nl + 1;
    ++lineNo;
    Words words{line};
    std::string_view key = words.next();
    if (key.empty()) continue;

    if (rowsLeft >= 0) {  // inside BITMAP
      if (key == "ENDCHAR") {
        if (rowsLeft != 0) return fail("glyph has fewer bitmap rows than its BBX height");
        if (encoding >= 0 && encoding < 256) {
          Glyph g;
          g.left = static_cast<int16_t>(xoff);
          g.width = static_cast<uint8_t>(w);
          g.height = static_cast<uint8_t>(h);
          g.advance = static_cast<uint8_t>(dwidth);
          g.present = true;
          g.firstRow = static_cast<uint32_t>(font.rows_.size());
          g.top = static_cast<int16_t>(yoff + h);  // the ink's top above the baseline until the ascent is known
          font.rows_.insert(font.rows_.end(), bits.begin(), bits.end());
          font.glyphs_[encoding] = g;
        }
        rowsLeft = -1;
        inChar = false;
        continue;
      }
      if (rowsLeft == 0) return fail("glyph has more bitmap rows than its BBX height");
      if (!words.next().empty()) return fail("bad bitmap row");
      int digits = static_cast<int>(key.size());
      if (digits * 4 < w) return fail("bitmap row shorter than the glyph width");
      uint32_t v = 0;
      for (int k = 0; k < digits; ++k) {
        int d = hexDigit(key[k]);
        if (d < 0) return fail("bad hexadecimal digit in a bitmap row");
        if (k < 8) v |= uint32_t(d) << (28 - 4 * k);
      }
      if (w < 32) v &= ~(0xFFFFFFFFu >> w);
      bits.push_back(v);
      --rowsLeft;
      continue;
    }

    if (key == "COMMENT") continue;
    if (!started) {
      if (key != "STARTFONT") return fail("not a BDF font (no STARTFONT)");
      started = true;
      continue;
    }
    if (inProps) {
      if (key == "ENDPROPERTIES") {
        inProps = false;
      } else if (key == "FONT_ASCENT") {
        if (!toInt(words.next(), 0, kMaxOffset, ascent)) return fail("bad FONT_ASCENT");
      } else if (key == "FONT_DESCENT") {
        if (!toInt(words.next(), 0, kMaxOffset, descent)) return fail("bad FONT_DESCENT");
      } else if (key == "DEFAULT_CHAR") {
        if (!toInt(words.next(), INT_MIN, INT_MAX, defaultChar)) defaultChar = -1;
      } else if (key == "FACE_NAME") {
        face = unquote(words.rest);
      } else if (key == "FAMILY_NAME") {
        family = unquote(words.rest);
      }
      continue;
    }
    if (key == "STARTPROPERTIES") {
      inProps = true;
    } else if (key == "FONTBOUNDINGBOX") {
      int bw, bh, bx, by;
      if (!toInt(words.next(), 0, 1024, bw) || !toInt(words.next(), 0, 1024, bh) ||
          !toInt(words.next(), -1024, 1024, bx) || !toInt(words.next(), -1024, 1024, by))
        return fail("bad FONTBOUNDINGBOX");
      bbAscent = bh + by;
      bbDescent = -by;
    } else if (key == "STARTCHAR") {
      if (inChar) return fail("STARTCHAR inside a glyph");
      inChar = true;
      encoding = -1;
      dwidth = -1;
      w = h = -1;
      xoff = yoff = 0;
    } else if (key == "ENCODING") {
      if (!inChar || !toInt(words.next(), INT_MIN, INT_MAX, encoding)) return fail("bad ENCODING");
    } else if (key == "DWIDTH") {
      if (!inChar || !toInt(words.next(), 0, kMaxOffset, dwidth)) return fail("bad DWIDTH");
    } else if (key == "BBX") {
      if (!inChar || !toInt(words.next(), 0, kMaxGlyphWidth, w) || !toInt(words.next(), 0, kMaxGlyphHeight, h) ||
          !toInt(words.next(), -kMaxOffset, kMaxOffset, xoff) || !toInt(words.next(), -kMaxOffset, kMaxOffset, yoff))
        return fail("bad BBX (or a glyph larger than 32 x 64)");
    } else if (key == "BITMAP") {
      if (!inChar || w < 0 || h < 0) return fail("BITMAP before BBX");
      if (dwidth < 0) return fail("glyph without DWIDTH");
      bits.clear();
      rowsLeft = h;
    } else if (key == "ENDCHAR") {
      return fail("ENDCHAR without BITMAP");
    } else if (key == "ENDFONT") {
      ended = true;
    }
    // Other keywords (SIZE, CHARS, SWIDTH, FONT, ...) carry nothing we draw with.
  }
  lineNo = 0;
  if (!started) return fail("not a BDF font (no STARTFONT)");
  if (inChar || rowsLeft >= 0) return fail("file ends inside a glyph");
  if (ascent < 0) ascent = bbAscent;
  if (descent < 0) descent = bbDescent;
  if (ascent < 1 || ascent > kMaxOffset || descent < 0 || descent > kMaxOffset)
    return fail("font has no usable ascent and descent");

  font.ascent_ = ascent;
  font.descent_ = descent;
  for (Glyph& g : font.glyphs_)
    if (g.present) g.top = static_cast<int16_t>(ascent - g.top);
  font.name_ = !face.empty() ? face : family;
  font.finish(defaultChar);
  if (font.glyphCount_ == 0) return fail("font has no glyphs");
  return font;
}

std::optional<BitmapFont> BitmapFont::load(const std::string& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (error) *error = "cannot open " + path;
    return std::nullopt;
  }
  std::string data;
  char buf[65536];
  while (in.read(buf, sizeof buf) || in.gcount() > 0) {
    data.append(buf, static_cast<size_t>(in.gcount()));
    if (data.size() > kMaxFileSize) {
      if (error) *error = path + ": file too large for a bitmap font";
      return std::nullopt;
    }
  }
  std::string why;
  auto font = parse(data, &why);
  if (!font && error) *error = path + ": " + why;
  return font;
}

BitmapFont BitmapFont::boxes(std::string name, int ascent, int descent, int capHeight,
                             std::span<const uint8_t, 224> advancesFrom32) {
  BitmapFont f;
  f.name_ = std::move(name);
  f.ascent_ = std::clamp(ascent, 1, kMaxOffset);
  f.descent_ = std::clamp(descent, 0, kMaxOffset);
  int h = std::clamp(capHeight, 2, std::min(kMaxGlyphHeight, f.ascent_));
  for (int code = 32; code < 256; ++code) {
    Glyph& g = f.glyphs_[code];
    g.present = true;
    g.advance = std::min<uint8_t>(advancesFrom32[code - 32], kMaxOffset);
    if (code == 32 || code == 160 || g.advance < 2) continue;
    int w = std::min(g.advance - 1, kMaxGlyphWidth);
    g.width = static_cast<uint8_t>(w);
    g.height = static_cast<uint8_t>(h);
    g.top = static_cast<int16_t>(f.ascent_ - h);
    g.firstRow = static_cast<uint32_t>(f.rows_.size());
    uint32_t full = ~(0xFFFFFFFFu >> w);
    uint32_t sides = 0x80000000u | (0x80000000u >> (w - 1));
    for (int r = 0; r < h; ++r) f.rows_.push_back(r == 0 || r == h - 1 ? full : sides);
  }
  f.finish(32);
  return f;
}

int BitmapFont::textWidth(std::string_view utf8) const {
  long long w = 0;
  forEachTextCode(utf8, [&](unsigned char c) { w += glyphs_[c].advance; });
  return static_cast<int>(std::min<long long>(w, INT_MAX));
}

}  // namespace tw
