#pragma once
// A small PNG reader for tests: checks the chunks and their checksums and inflates the pixel rows
// (fixed-Huffman blocks, which is what our writer produces).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "graphics/Canvas.h"
#include "graphics/Png.h"

namespace tw::testpng {

inline uint32_t be32(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }

inline std::vector<uint8_t> inflate(const std::vector<uint8_t>& z) {
  size_t bit = 16;  // after the two zlib header bytes
  auto get = [&](int n) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i, ++bit) {
      if (bit / 8 >= z.size()) throw std::runtime_error("truncated");
      v |= uint32_t((z[bit / 8] >> (bit % 8)) & 1) << i;
    }
    return v;
  };
  auto huff = [&](int n) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = (v << 1) | get(1);
    return v;
  };
  static const int lenBase[] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43, 51, 59,
                                67, 83, 99, 115, 131, 163, 195, 227, 258};
  static const int lenExtra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
  static const int distBase[] = {1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193, 257, 385, 513, 769,
                                 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
  static const int distExtra[] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
  std::vector<uint8_t> out;
  for (bool last = false; !last;) {
    last = get(1);
    uint32_t type = get(2);
    if (type != 1) throw std::runtime_error("unexpected block type");
    for (;;) {
      uint32_t c = huff(7), sym;
      if (c <= 0x17) sym = 256 + c;
      else if ((c = (c << 1) | get(1)) >= 0x30 && c <= 0xBF) sym = c - 0x30;
      else if (c >= 0xC0 && c <= 0xC7) sym = 280 + c - 0xC0;
      else sym = 144 + (((c << 1) | get(1)) - 0x190);
      if (sym < 256) {
        out.push_back(uint8_t(sym));
      } else if (sym == 256) {
        break;
      } else {
        int li = int(sym) - 257;
        size_t len = size_t(lenBase[li]) + get(lenExtra[li]);
        int di = int(huff(5));
        size_t dist = size_t(distBase[di]) + get(distExtra[di]);
        if (dist > out.size()) throw std::runtime_error("distance too far");
        for (size_t i = 0; i < len; ++i) out.push_back(out[out.size() - dist]);
      }
    }
  }
  bit = (bit + 7) / 8 * 8;
  uint32_t adler = be32(z.data() + bit / 8);
  if (adler != adler32(out.data(), out.size())) throw std::runtime_error("bad adler32");
  return out;
}

struct Decoded {
  uint32_t width = 0, height = 0;
  std::vector<uint8_t> raw;  // filter byte + RGB per row
};

inline Decoded decode(const std::vector<uint8_t>& png) {
  static const uint8_t sig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_TRUE(png.size() > 8 && std::equal(sig, sig + 8, png.begin()));
  Decoded d;
  std::vector<uint8_t> idat;
  std::vector<std::string> order;
  for (size_t p = 8; p + 12 <= png.size();) {
    uint32_t len = be32(&png[p]);
    std::string type(png.begin() + long(p) + 4, png.begin() + long(p) + 8);
    EXPECT_EQ(be32(&png[p + 8 + len]), crc32(&png[p + 4], len + 4)) << type;
    order.push_back(type);
    if (type == "IHDR") {
      d.width = be32(&png[p + 8]);
      d.height = be32(&png[p + 12]);
      EXPECT_EQ(png[p + 16], 8);  // bit depth
      EXPECT_EQ(png[p + 17], 2);  // RGB
    } else if (type == "IDAT") {
      idat.insert(idat.end(), png.begin() + long(p) + 8, png.begin() + long(p) + 8 + len);
    }
    p += 12 + len;
  }
  EXPECT_EQ(order, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
  d.raw = inflate(idat);
  return d;
}


// The decoded picture as a canvas (every pixel 0x00BBGGRR).
inline Canvas toCanvas(const Decoded& d) {
  Canvas c(int(d.width), int(d.height));
  for (uint32_t y = 0; y < d.height; ++y) {
    const uint8_t* row = &d.raw[size_t(y) * (1 + size_t(d.width) * 3)];
    for (uint32_t x = 0; x < d.width; ++x)
      c.data()[size_t(y) * d.width + x] = uint32_t(row[1 + 3 * x]) | uint32_t(row[2 + 3 * x]) << 8 |
                                          uint32_t(row[3 + 3 * x]) << 16;
  }
  return c;
}

}  // namespace tw::testpng
