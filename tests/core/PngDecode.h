#pragma once
// PNG files read back by libpng, a reader that shares nothing with our writer: it checks the chunks'
// CRCs and the stream's Adler-32 itself.
#include <png.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "graphics/Canvas.h"

namespace tw::testpng {

// The picture, every pixel 0x00BBGGRR; throws when libpng refuses the file or it is not 8-bit RGB.
inline Canvas decode(const std::vector<uint8_t>& png) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) throw std::runtime_error(image.message);
  if (image.format != PNG_FORMAT_RGB) {
    png_image_free(&image);
    throw std::runtime_error("not 8-bit RGB");
  }
  std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) throw std::runtime_error(image.message);
  Canvas c(int(image.width), int(image.height));
  for (size_t i = 0; i < rgb.size() / 3; ++i)
    c.data()[i] = uint32_t(rgb[3 * i]) | uint32_t(rgb[3 * i + 1]) << 8 | uint32_t(rgb[3 * i + 2]) << 16;
  return c;
}

}  // namespace tw::testpng
