#pragma once
// The bitmap editor's bit set: one bit per pixel of a picture W pixels wide and H high, read from
// and written to StringBits text (rows of D = ceil(W / 4) hexadecimal digits, the leftmost pixel in
// the most significant bit, 1 black).
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// Hexadecimal digits per row of a picture W pixels wide.
int digitsPerRow(int width);

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
