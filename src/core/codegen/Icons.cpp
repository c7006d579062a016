#include "Icons.h"

namespace tw {
namespace {

void put16(std::string& s, uint32_t v) {
  s += char(v & 0xFF);
  s += char((v >> 8) & 0xFF);
}
void put32(std::string& s, uint32_t v) {
  put16(s, v & 0xFFFF);
  put16(s, v >> 16);
}

struct Painter {
  IconPicture& p;
  void dot(int x, int y) {
    if (x >= 0 && y >= 0 && x < p.width && y < p.height) p.pixels[size_t(y) * size_t(p.width) + size_t(x)] = 1;
  }
  void hline(int x0, int x1, int y) {
    for (int x = x0; x <= x1; ++x) dot(x, y);
  }
  void vline(int x, int y0, int y1) {
    for (int y = y0; y <= y1; ++y) dot(x, y);
  }
  void box(int x0, int y0, int x1, int y1) {
    hline(x0, x1, y0), hline(x0, x1, y1), vline(x0, y0, y1), vline(x1, y0, y1);
  }
  void fill(int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y) hline(x0, x1, y);
  }
};

}  // namespace

IconPicture defaultIcon(int width, int height) {
  IconPicture pic{width, height, std::vector<uint8_t>(size_t(width) * size_t(height), 0)};
  Painter g{pic};
  if (width >= 24 && height >= 24) {
    // A form: frame, title bar, two lines of text, a check box and a rounded button.
    g.box(1, 2, width - 2, height - 2);
    g.fill(1, 2, width - 2, 7);
    g.hline(5, 20, 11), g.hline(5, 14, 14);
    g.box(5, 17, 8, 20), g.hline(11, 20, 18);
    g.hline(10, 21, 23), g.hline(10, 21, 27), g.vline(9, 24, 26), g.vline(22, 24, 26);
  } else {
    // The same form, small: frame, title bar and a button.
    g.box(0, 0, width - 1, height - 1);
    g.hline(0, width - 1, 1);
    g.hline(2, width / 2, 3);
    g.box(4, height - 4, width - 5, height - 2);
  }
  return pic;
}

std::string encodeBmp(const IconPicture& pic, int bpp) {
  const uint32_t colours = 1u << bpp;
  const uint32_t rowBytes = ((uint32_t(pic.width) * uint32_t(bpp) + 31) / 32) * 4;
  const uint32_t imageSize = rowBytes * uint32_t(pic.height);
  const uint32_t offset = 14 + 40 + colours * 4;
  std::string s;
  s.reserve(offset + imageSize);
  s += "BM";
  put32(s, offset + imageSize);
  put32(s, 0);
  put32(s, offset);
  put32(s, 40);
  put32(s, uint32_t(pic.width));
  put32(s, uint32_t(pic.height));
  put16(s, 1);
  put16(s, uint16_t(bpp));
  put32(s, 0);  // uncompressed
  put32(s, imageSize);
  put32(s, 2835), put32(s, 2835);  // 72 dots per inch
  put32(s, colours), put32(s, colours);
  for (uint32_t i = 0; i < colours; ++i) {
    auto v = char(255 - (i * 255) / (colours - 1));
    s += v, s += v, s += v, s += '\0';
  }
  const uint8_t black = uint8_t(colours - 1);
  for (int y = pic.height - 1; y >= 0; --y) {
    std::string row(rowBytes, '\0');
    for (int x = 0; x < pic.width; ++x) {
      uint8_t v = pic.pixels[size_t(y) * size_t(pic.width) + size_t(x)] ? black : 0;
      size_t bit = size_t(x) * size_t(bpp);
      row[bit / 8] = char(uint8_t(row[bit / 8]) | uint8_t(v << (8 - bpp - bit % 8)));
    }
    s += row;
  }
  return s;
}

std::string defaultIconFile(int width, int height, int bitsPerPixel) {
  return encodeBmp(defaultIcon(width, height), bitsPerPixel);
}

}  // namespace tw
