#pragma once
// The application icons: BMP files of the eight slots, and our default pictures for them.
#include <cstdint>
#include <string>
#include <vector>

namespace tw {

// A picture of palette indexes: 0 is white, 1 is black.
struct IconPicture {
  int width = 0, height = 0;
  std::vector<uint8_t> pixels;  // row by row from the top
};

// The default icon of a slot's size: a window with a title bar holding a button and lines of text.
IconPicture defaultIcon(int width, int height);

// A Windows BMP file (BITMAPINFOHEADER, uncompressed, rows bottom-up) at 1, 4 or 8 bits per
// pixel, with a grey palette running from white at index 0 to black at the last index.
std::string encodeBmp(const IconPicture& picture, int bitsPerPixel);

// The default icon file of a slot.
std::string defaultIconFile(int width, int height, int bitsPerPixel);

}  // namespace tw
