#include "BitmapGrid.h"

#include <algorithm>

namespace tw {

int digitsPerRow(int width) { return width <= 0 ? 0 : width / 4 + (width % 4 != 0 ? 1 : 0); }

BitmapGrid::BitmapGrid(int width, int height)
    : width_(std::max(0, width)), height_(std::max(0, height)), bits_(size_t(width_) * size_t(height_), false) {}

BitmapGrid BitmapGrid::read(std::string_view text, int width, int height) {
  BitmapGrid g(width, height);
  forEachBlackPixel(text, g.width_, g.height_, [&g](int col, int row) { g.set(col, row, true); });
  return g;
}

std::string BitmapGrid::write() const {
  static const char kDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(size_t(digitsPerRow(width_)) * size_t(height_));
  for (int r = 0; r < height_; ++r) {
    int group = 0, count = 0;
    for (int c = 0; c < width_; ++c) {
      group = group << 1 | (at(c, r) ? 1 : 0);
      if (++count == 4) {
        out += kDigits[group];
        group = count = 0;
      }
    }
    if (count > 0) out += kDigits[group << (4 - count)];
  }
  return out;
}

void BitmapGrid::clear() { std::fill(bits_.begin(), bits_.end(), false); }

}  // namespace tw
