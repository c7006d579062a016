#pragma once
// The bitmap editor's bit set: one bit per pixel of a picture W pixels wide and H high, read from
// and written to StringBits text (rows of D = ceil(W / 4) hexadecimal digits, the leftmost pixel in
// the most significant bit, 1 black).
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "base/Text.h"

namespace tw {

// The largest picture a bitmap may hold, in either direction.
inline constexpr int kMaxBitmapSide = 40;

// Hexadecimal digits per row of a picture W pixels wide.
int digitsPerRow(int width);

// The one StringBits decoder: calls black(col, row) for each black pixel of a picture W by H, in
// reading order. Digits in either case, any other character as 0, each row's spare bits beyond the
// right edge skipped; text past the last row is not looked at, so a huge picture costs its text.
template <class Black>
void forEachBlackPixel(std::string_view bits, int width, int height, Black black) {
  const int d = digitsPerRow(width);
  if (d == 0 || height <= 0) return;
  const size_t end = std::min(bits.size(), size_t(d) * size_t(height));
  for (size_t i = 0; i < end; ++i) {
    const int v = hexDigit(bits[i]);
    if (v <= 0) continue;
    const int row = int(i / size_t(d)), col = int(i % size_t(d)) * 4;
    for (int b = 0; b < 4 && col + b < width; ++b)
      if (v & (8 >> b)) black(col + b, row);
  }
}

class BitmapGrid {
 public:
  // An all-white picture; a negative size counts as 0.
  BitmapGrid(int width, int height);
  // Reads StringBits: digits in either case, any other character as 0, pixels without a digit
  // white; each row's spare bits beyond the right edge are skipped.
  static BitmapGrid read(std::string_view stringBits, int width, int height);
  // Exactly D x H lower-case digits, the spare bits of each row 0.
  std::string write() const;

  int width() const { return width_; }
  int height() const { return height_; }
  bool contains(int col, int row) const { return col >= 0 && row >= 0 && col < width_ && row < height_; }
  bool at(int col, int row) const { return contains(col, row) && bits_[index(col, row)]; }
  void set(int col, int row, bool black) {
    if (contains(col, row)) bits_[index(col, row)] = black;
  }
  void invert(int col, int row) { set(col, row, !at(col, row)); }
  void clear();

 private:
  size_t index(int col, int row) const { return size_t(row) * size_t(width_) + size_t(col); }
  int width_, height_;
  std::vector<bool> bits_;
};

}  // namespace tw
