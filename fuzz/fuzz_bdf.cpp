// Any bytes as a handheld font file: the reader takes a font within its limits or refuses with a
// reason, and every glyph of a font it takes can be measured and drawn anywhere on a canvas.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "graphics/BitmapFont.h"
#include "graphics/Canvas.h"
#include "base/Cp1252.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using tw::BitmapFont;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string why;
  auto font = BitmapFont::parse(bytes, &why);
  if (!font) {
    if (why.empty()) std::abort();
    return 0;
  }
  if (font->ascent() < 1 || font->ascent() > BitmapFont::kMaxOffset || font->descent() < 0 ||
      font->descent() > BitmapFont::kMaxOffset || font->glyphCount() < 1 || font->glyphCount() > 256)
    std::abort();

  // Every code once, as the text a control would show.
  std::string all;
  for (int code = 1; code < 256; ++code) {
    const BitmapFont::Glyph& g = font->glyph(static_cast<unsigned char>(code));
    if (g.width > BitmapFont::kMaxGlyphWidth || g.height > BitmapFont::kMaxGlyphHeight ||
        g.advance > BitmapFont::kMaxOffset)
      std::abort();
    uint32_t ink = 0;
    for (int r = 0; r < g.height; ++r) ink |= font->rows(g)[r];
    if (g.width < 32 && (ink & (0xFFFFFFFFu >> g.width))) std::abort();  // no ink right of the glyph
    all += tw::cp1252ToUtf8(std::string(1, static_cast<char>(code)));
  }
  if (font->textWidth(all) < 0) std::abort();

  tw::Canvas cv(48, 24);
  cv.setFont(*font);
  // Anywhere within the coordinates a control can have.
  for (auto [x, y] : {std::pair{0, 0}, {-30, 10}, {40, -5}, {-32768, 32767}, {32767, -32768}}) cv.textOut(x, y, all);
  return 0;
}
