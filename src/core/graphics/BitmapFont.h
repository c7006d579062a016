#pragma once
// A bitmap font of up to 256 glyphs, indexed by Windows-1252 code, read from BDF text.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

class BitmapFont {
 public:
  // Limits that bound what a damaged file can make us allocate or draw.
  static constexpr int kMaxGlyphWidth = 32;   // one 32-bit word per glyph row
  static constexpr int kMaxGlyphHeight = 64;
  static constexpr int kMaxOffset = 64;       // |BBX offsets|, ascent, descent, advance
  static constexpr size_t kMaxFileSize = 8u << 20;

  struct Glyph {
    int16_t left = 0;     // first ink column relative to the pen position
    int16_t top = 0;      // first ink row relative to the top of the line (0 = ascent rows above the baseline)
    uint8_t width = 0;    // ink columns
    uint8_t height = 0;   // ink rows
    uint8_t advance = 0;  // pen movement (DWIDTH)
    bool present = false;
    uint32_t firstRow = 0;  // index into rows(); bit 31 of a row is the leftmost column
  };

  BitmapFont() = default;

  // Parses BDF text. Any damage (syntax, sizes beyond the limits, missing metrics) gives nullopt and, when
  // error is given, a message naming the line.
  static std::optional<BitmapFont> parse(std::string_view bdf, std::string* error = nullptr);
  // Reads and parses a file; a missing or unreadable file gives nullopt and a message too.
  static std::optional<BitmapFont> load(const std::string& path, std::string* error = nullptr);
  // A font of hollow boxes with the given metrics: each code 33..255 (but 160) draws a box capHeight high and
  // advance - 1 wide on the baseline, so widths match the real face's even when its file is missing.
  static BitmapFont boxes(std::string name, int ascent, int descent, int capHeight,
                          std::span<const uint8_t, 224> advancesFrom32);

  const std::string& name() const { return name_; }
  int ascent() const { return ascent_; }
  int descent() const { return descent_; }
  int lineHeight() const { return ascent_ + descent_; }
  bool empty() const { return glyphCount_ == 0; }
  int glyphCount() const { return glyphCount_; }

  // The glyph drawn for a code: the code's own, else the font's default character, else an empty glyph.
  const Glyph& glyph(unsigned char code) const { return glyphs_[code]; }
  int advance(unsigned char code) const { return glyphs_[code].advance; }
  const uint32_t* rows(const Glyph& g) const { return rows_.data() + g.firstRow; }

  // Width of UTF-8 text: the sum of the advances of its Windows-1252 codes.
  int textWidth(std::string_view utf8) const;

 private:
  void finish(int defaultChar);

  std::string name_;
  int ascent_ = 0, descent_ = 0;
  int glyphCount_ = 0;
  std::array<Glyph, 256> glyphs_{};
  std::vector<uint32_t> rows_;
};

// Calls f(code) for each character of UTF-8 text as a Windows-1252 code; characters without one, and bytes
// that are not valid UTF-8, give '?'. Allocates nothing.
template <class F> void forEachTextCode(std::string_view utf8, F&& f);

namespace detail {
unsigned char cp1252OfNonAscii(std::string_view s, size_t& i);
}

template <class F> void forEachTextCode(std::string_view utf8, F&& f) {
  for (size_t i = 0; i < utf8.size();) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      ++i;
      f(c);
    } else {
      f(detail::cp1252OfNonAscii(utf8, i));
    }
  }
}

}  // namespace tw
