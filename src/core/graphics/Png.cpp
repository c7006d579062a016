#include "Png.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "Canvas.h"

namespace tw {
namespace {

// Deflate with the fixed Huffman codes; repeats are found at the distance of one pixel and of one row,
// which is where a drawn picture repeats itself.
class BitWriter {
 public:
  explicit BitWriter(std::vector<uint8_t>& out) : out_(out) {}
  void bits(uint32_t v, int n) {  // least significant bit first
    acc_ |= uint64_t(v) << count_;
    count_ += n;
    while (count_ >= 8) {
      out_.push_back(uint8_t(acc_));
      acc_ >>= 8;
      count_ -= 8;
    }
  }
  void huffman(uint32_t code, int n) {  // Huffman codes go most significant bit first
    uint32_t r = 0;
    for (int i = 0; i < n; ++i) r |= ((code >> i) & 1u) << (n - 1 - i);
    bits(r, n);
  }
  void flush() {
    if (count_ > 0) out_.push_back(uint8_t(acc_));
    acc_ = 0;
    count_ = 0;
  }

 private:
  std::vector<uint8_t>& out_;
  uint64_t acc_ = 0;
  int count_ = 0;
};

void literalOrLength(BitWriter& w, int sym) {
  if (sym < 144) w.huffman(0x30 + sym, 8);
  else if (sym < 256) w.huffman(0x190 + sym - 144, 9);
  else if (sym < 280) w.huffman(sym - 256, 7);
  else w.huffman(0xC0 + sym - 280, 8);
}

constexpr int kLenBase[29] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31,
                              35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr int kLenExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr int kDistBase[30] = {1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193, 257, 385, 513, 769,
                               1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr int kDistExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

void match(BitWriter& w, int length, int distance) {
  int li = 28;
  while (kLenBase[li] > length) --li;
  literalOrLength(w, 257 + li);
  w.bits(uint32_t(length - kLenBase[li]), kLenExtra[li]);
  int di = 29;
  while (kDistBase[di] > distance) --di;
  w.huffman(uint32_t(di), 5);
  w.bits(uint32_t(distance - kDistBase[di]), kDistExtra[di]);
}

std::vector<uint8_t> zlibCompress(const std::vector<uint8_t>& data, size_t rowBytes) {
  std::vector<uint8_t> out = {0x78, 0x01};
  BitWriter w(out);
  w.bits(1, 1);  // final block
  w.bits(1, 2);  // fixed Huffman codes
  const size_t n = data.size();
  const size_t dists[2] = {3, rowBytes};
  for (size_t i = 0; i < n;) {
    size_t bestLen = 0, bestDist = 0;
    for (size_t d : dists) {
      if (d == 0 || d > i || d > 32768) continue;
      size_t len = 0, maxLen = std::min<size_t>(258, n - i);
      while (len < maxLen && data[i + len] == data[i + len - d]) ++len;
      if (len > bestLen) {
        bestLen = len;
        bestDist = d;
      }
    }
    if (bestLen >= 3) {
      match(w, int(bestLen), int(bestDist));
      i += bestLen;
    } else {
      literalOrLength(w, data[i]);
      ++i;
    }
  }
  literalOrLength(w, 256);
  w.flush();
  uint32_t a = adler32(data.data(), data.size());
  for (int s = 24; s >= 0; s -= 8) out.push_back(uint8_t(a >> s));
  return out;
}

void put32(std::vector<uint8_t>& v, uint32_t x) {
  for (int s = 24; s >= 0; s -= 8) v.push_back(uint8_t(x >> s));
}

void chunk(std::vector<uint8_t>& png, const char* type, const std::vector<uint8_t>& body) {
  put32(png, uint32_t(body.size()));
  size_t start = png.size();
  png.insert(png.end(), type, type + 4);
  png.insert(png.end(), body.begin(), body.end());
  put32(png, crc32(png.data() + start, png.size() - start));
}

}  // namespace

uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc) {
  static const auto table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  crc = ~crc;
  for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

uint32_t adler32(const uint8_t* data, size_t size, uint32_t adler) {
  uint32_t a = adler & 0xFFFF, b = adler >> 16;
  for (size_t i = 0; i < size; ++i) {
    a = (a + data[i]) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

std::vector<uint8_t> encodePng(const Canvas& canvas) {
  const int w = canvas.width(), h = canvas.height();
  const size_t rowBytes = 1 + size_t(w) * 3;
  std::vector<uint8_t> raw;
  raw.reserve(rowBytes * size_t(h));
  for (int y = 0; y < h; ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < w; ++x) {
      uint32_t c = canvas.at(x, y);
      raw.push_back(uint8_t(c));        // red
      raw.push_back(uint8_t(c >> 8));   // green
      raw.push_back(uint8_t(c >> 16));  // blue
    }
  }
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> ihdr;
  put32(ihdr, uint32_t(w));
  put32(ihdr, uint32_t(h));
  ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, adaptive filters, no interlace
  chunk(png, "IHDR", ihdr);
  chunk(png, "IDAT", zlibCompress(raw, rowBytes));
  chunk(png, "IEND", {});
  return png;
}

bool writePng(const std::string& path, const Canvas& canvas, std::string* error) {
  auto fail = [&](const std::string& why) {
    if (error) *error = why;
    return false;
  };
  if (canvas.width() <= 0 || canvas.height() <= 0) return fail("cannot write an empty picture to " + path);
  std::vector<uint8_t> png = encodePng(canvas);
  std::string tmp = path + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) return fail("cannot write " + path);
    out.write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
    out.close();
    if (!out) {
      std::remove(tmp.c_str());
      return fail("cannot write " + path);
    }
  }
  std::error_code ec;
  std::filesystem::rename(tmp, path, ec);
  if (ec) {
    std::remove(tmp.c_str());
    return fail("cannot write " + path + ": " + ec.message());
  }
  return true;
}

}  // namespace tw
