// Any bytes as a bitmap's StringBits with the size before it (two 16-bit numbers, as a form file or
// the inspector may give): the bitmap editor's grid reads and writes it, the bitmap paints it at any
// size, and the code generators quote it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ccontrols/CCBitmap.h"
#include "codegen/CodeText.h"
#include "graphics/Canvas.h"
#include "graphics/Fonts.h"
#include "model/BitmapGrid.h"
#include "model/WidgetPaint.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  const int width = int16_t(data[0] | data[1] << 8), height = int16_t(data[2] | data[3] << 8);
  const std::string bits(reinterpret_cast<const char*>(data) + 4, size - 4);

  // The editor opens on at most the largest picture a bitmap may hold.
  const int w = std::min(width, tw::kMaxBitmapSide), h = std::min(height, tw::kMaxBitmapSide);
  tw::BitmapGrid grid = tw::BitmapGrid::read(bits, w, h);
  const std::string written = grid.write();
  if (written.size() != size_t(tw::digitsPerRow(grid.width())) * size_t(grid.height())) std::abort();
  const tw::BitmapGrid back = tw::BitmapGrid::read(written, w, h);
  if (back.write() != written) std::abort();
  for (int r = 0; r < grid.height(); ++r)
    for (int c = 0; c < grid.width(); ++c)
      if (back.at(c, r) != grid.at(c, r)) std::abort();

  // A form file can hold any size: the paint clips to what a canvas shows.
  static tw::FontSet fonts;
  tw::TCCBitmap b;
  b.setBounds(-3, -2, width, height);
  b.stringBits = bits;
  b.color = tw::kWhite;
  b.beforePaint(fonts);
  tw::Canvas cv(160, 160, 0xFFFFFF);
  tw::paintControl(cv, b, fonts);

  (void)tw::bitmapLiteral(width, bits);
  return 0;
}
